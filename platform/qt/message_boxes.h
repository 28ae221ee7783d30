#pragma once
// Modal message boxes behind an interface, so that tests can answer them.
#include <QString>

class QWidget;

class MessageBoxes {
 public:
  enum class Icon { Information, Warning, Error, Question };
  virtual ~MessageBoxes() = default;
  // A box with an OK button.
  virtual void Inform(QWidget* owner, Icon icon, const QString& caption, const QString& text) = 0;
  // A box with the buttons Yes and No; true for Yes.
  virtual bool AskYesNo(QWidget* owner, const QString& caption, const QString& text) = 0;
};

// The real boxes, with Russian button texts whatever the system's language.
class QtMessageBoxes : public MessageBoxes {
 public:
  void Inform(QWidget* owner, Icon icon, const QString& caption, const QString& text) override;
  bool AskYesNo(QWidget* owner, const QString& caption, const QString& text) override;
};
