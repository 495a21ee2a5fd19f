// Keys and focus as only Qt has them: the query field's text selected when
// entered, buttons that take no focus, Enter and Esc with modifiers, and
// the enter handler of a control focused in an inactive window. Tab, Enter
// and Esc themselves are the window's contract (contract_test.cpp).
#include <QApplication>

#include "window_rig.h"

namespace zbk::testing {
namespace {

class QtKeys : public StartedWindow {};

TEST_F(QtKeys, EnteringTheQueryFieldByKeySelectsItsTextSoTypingReplacesIt) {
  QLineEdit& e = rig.toolkit.window().e();
  rig.Key(Qt::Key_Tab);
  rig.Key(Qt::Key_Tab);
  EXPECT_EQ(e.selectedText(), e.text());
  rig.Type(QStringLiteral("lato"));
  EXPECT_EQ(e.text().toStdString(), "lato");
  // The action button's Zmień moves there too.
  rig.Key(Qt::Key_Tab);
  rig.Key(Qt::Key_Tab);
  rig.Key(Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), &e);
  rig.Type(QStringLiteral("foto"));
  EXPECT_EQ(e.text().toStdString(), "foto");
}

TEST_F(QtKeys, ButtonsAndPanelsTakeNoFocus) {
  QtWindow& window = rig.toolkit.window();
  for (QWidget* widget : std::initializer_list<QWidget*>{
           &window.yes(), &window.esc(), &window.az(), &window.x2(), &window.pa(), &window.pan()}) {
    EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
  }
  rig.Key(Qt::Key_Tab);
  QTest::mouseClick(&window.az(), Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), &window.l());
  EXPECT_EQ(rig.YesCaption(), "Zmień");
}

TEST_F(QtKeys, EnterAndEscWithShiftCtrlOrAltAreOrdinaryKeysTheKeypadEnterIsNot) {
  QtWindow& window = rig.toolkit.window();
  rig.Key(Qt::Key_Tab);
  rig.Key(Qt::Key_Return, Qt::ShiftModifier);
  rig.Key(Qt::Key_Escape, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), &window.l());
  EXPECT_FALSE(rig.closed());
  rig.Key(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(QApplication::focusWidget(), &window.e());
}

TEST_F(QtKeys, FocusRunsTheEnterHandlerBeforeItReturnsAlsoInAnInactiveWindow) {
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  rig.state().w.E.Focus();
  EXPECT_EQ(rig.YesCaption(), "Szukaj");
  rig.state().w.L.Focus();
  EXPECT_EQ(rig.YesCaption(), "Zmień");
  rig.toolkit.window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.toolkit.window()));
  EXPECT_EQ(QApplication::focusWidget(), &rig.toolkit.window().l());
  EXPECT_EQ(rig.YesCaption(), "Zmień");
}

}  // namespace
}  // namespace zbk::testing
