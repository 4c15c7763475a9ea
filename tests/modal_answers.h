// Answers the modal dialogs that code under test opens, one after another,
// from inside their own event loops.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace orvanel::testing {

// Closes a dialog from the event loop, after the answer has returned.
inline void AcceptLater(QDialog* dialog) {
  QTimer::singleShot(0, dialog, [dialog] { dialog->accept(); });
}

// The name box of Qt's own file dialog.
inline QLineEdit* NameBox(QFileDialog* dialog) {
  return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

// Types a path into a file dialog's name box, as a user would, and accepts it.
inline void TypePathAndAccept(QFileDialog* dialog, const QString& path) {
  NameBox(dialog)->setText(path);
  AcceptLater(dialog);
}

class ModalAnswers {
 public:
  using Answer = std::function<void(QWidget* dialog)>;

  ModalAnswers() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(5);
  }

  // An answer checks what it needs at once and queues its closing action, so
  // that it returns before the next dialog opens.
  void Then(Answer answer) { answers_.push_back(std::move(answer)); }
  bool AllAnswered() const { return answers_.empty(); }
  int Seen() const { return seen_; }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || answered_.contains(modal)) return;
    answered_.append(modal);
    ++seen_;
    if (answers_.empty()) {
      ADD_FAILURE() << "an unexpected dialog: " << modal->metaObject()->className();
      QTimer::singleShot(0, modal, &QWidget::close);
      return;
    }
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    answer(modal);
  }

  QTimer timer_;
  std::deque<Answer> answers_;
  QList<QPointer<QWidget>> answered_;  // a dialog seen again after a nested one closed
  int seen_ = 0;
};

}  // namespace orvanel::testing
