#include "platform/qt/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
QMessageBox::Icon ToQt(MessageBoxes::Icon icon) {
  switch (icon) {
    case MessageBoxes::Icon::Information: return QMessageBox::Information;
    case MessageBoxes::Icon::Warning: return QMessageBox::Warning;
    case MessageBoxes::Icon::Error: return QMessageBox::Critical;
    case MessageBoxes::Icon::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}
}  // namespace

void QtMessageBoxes::Inform(QWidget* owner, Icon icon, const QString& caption, const QString& text) {
  QMessageBox box(ToQt(icon), caption, text, QMessageBox::Ok, owner);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

bool QtMessageBoxes::AskYesNo(QWidget* owner, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
  return box.exec() == QMessageBox::Yes;
}
