#include "platform/qt/caption_panel.h"

#include <QPainter>

namespace zbk {

CaptionPanel::CaptionPanel(QWidget* parent, QString caption, Qt::Alignment alignment)
    : QFrame(parent), caption_(std::move(caption)), alignment_(alignment) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
  setFocusPolicy(Qt::NoFocus);
  setAccessibleDescription(caption_);
}

void CaptionPanel::SetCaption(QString caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  setAccessibleDescription(caption_);
  update();
}

void CaptionPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(contentsRect(),
                   static_cast<int>(alignment_ | Qt::AlignVCenter) | Qt::TextSingleLine, caption_);
}

}  // namespace zbk
