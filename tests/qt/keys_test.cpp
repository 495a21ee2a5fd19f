// Keys and focus: Tab cycles the lists and the query field, each telling
// the action button its caption; Enter presses the action button only while
// it is enabled; Esc presses the stop button at any time.
#include <QApplication>
#include <QTest>

#include "platform/drivetable/drive_table.h"
#include "suites.h"
#include "window_rig.h"

namespace zbk::testing {
namespace {

class KeysSuite : public QObject {
  Q_OBJECT

 private slots:
  void tabCyclesTheListsAndTheQueryFieldSettingTheCaption() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QtWindow& window = rig.toolkit.window();
    QCOMPARE(QApplication::focusWidget(), &window.li());
    QCOMPARE(rig.YesCaption(), "Analizuj");
    rig.Key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &window.l());
    QCOMPARE(rig.YesCaption(), "Zmień");
    rig.Key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &window.e());
    QCOMPARE(rig.YesCaption(), "Szukaj");
    QCOMPARE(window.yes().text(), QString::fromUtf8("Szukaj"));
    rig.Key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &window.li());
    QCOMPARE(rig.YesCaption(), "Analizuj");
  }

  void enteringTheQueryFieldByKeySelectsItsTextSoTypingReplacesIt() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QLineEdit& e = rig.toolkit.window().e();
    rig.Key(Qt::Key_Tab);
    rig.Key(Qt::Key_Tab);
    QCOMPARE(e.selectedText(), e.text());
    rig.Type(QStringLiteral("lato"));
    QCOMPARE(e.text(), QStringLiteral("lato"));
    // The action button's Zmień moves there too.
    rig.Key(Qt::Key_Tab);
    rig.Key(Qt::Key_Tab);
    rig.Key(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), &e);
    rig.Type(QStringLiteral("foto"));
    QCOMPARE(e.text(), QStringLiteral("foto"));
  }

  void buttonsAndPanelsTakeNoFocus() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QtWindow& window = rig.toolkit.window();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{&window.yes(), &window.esc(), &window.az(), &window.x2(),
                                         &window.pa(), &window.pan()}) {
      QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
    }
    rig.Key(Qt::Key_Tab);
    QTest::mouseClick(&window.az(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), &window.l());
    QCOMPARE(rig.YesCaption(), "Zmień");
  }

  void enterOnChangeMovesToTheQueryField() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    rig.Key(Qt::Key_Tab);
    rig.Key(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), &rig.toolkit.window().e());
    QCOMPARE(rig.YesCaption(), "Szukaj");
    QVERIFY(rig.toolkit.window().yes().isEnabled());
    QCOMPARE(rig.state().BusyFlag, 0);
  }

  void enterDoesNothingWhileTheActionButtonIsDisabled() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    rig.Key(Qt::Key_Tab);
    rig.toolkit.window().yes().setEnabled(false);
    rig.Key(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), &rig.toolkit.window().l());
    rig.toolkit.window().yes().setEnabled(true);
    rig.Key(Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), &rig.toolkit.window().l());
    rig.Key(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), &rig.toolkit.window().e());
  }

  void escWithNothingRunningStopsAndClosesTheWindow() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    rig.Key(Qt::Key_Escape, Qt::ControlModifier);
    QVERIFY(!rig.toolkit.closed());
    rig.Key(Qt::Key_Escape);
    QCOMPARE(rig.Status(), QString::fromUtf8(" Zatrzymane."));
    QVERIFY(rig.toolkit.closed());
    QVERIFY(!rig.toolkit.window().isVisible());
    QVERIFY(!rig.toolkit.timer().isActive());
  }

  void focusRunsTheEnterHandlerBeforeItReturnsAlsoInAnInactiveWindow() {
    DriveTable drives;
    WindowRig rig(drives);
    rig.Start();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    rig.fo.state().w.E.Focus();
    QCOMPARE(rig.YesCaption(), "Szukaj");
    rig.fo.state().w.L.Focus();
    QCOMPARE(rig.YesCaption(), "Zmień");
    rig.toolkit.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&rig.toolkit.window()));
    QCOMPARE(QApplication::focusWidget(), &rig.toolkit.window().l());
    QCOMPARE(rig.YesCaption(), "Zmień");
  }
};

}  // namespace

std::unique_ptr<QObject> NewKeysSuite() {
  return std::make_unique<KeysSuite>();
}

}  // namespace zbk::testing

#include "keys_test.moc"
