// A panel: a raised 1-pixel bevel with one line of caption, centred or
// aligned left, shown as it is (no shortcut letters).
#pragma once

#include <QFrame>
#include <QString>

namespace zbk {

class CaptionPanel : public QFrame {
 public:
  CaptionPanel(QWidget* parent, QString caption, Qt::Alignment alignment);

  const QString& caption() const { return caption_; }
  void SetCaption(QString caption);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  Qt::Alignment alignment_;
};

}  // namespace zbk
