#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "modal_answers.h"
#include "qt_printers.h"
#include "platform/qt/application.h"
#include "platform/qt/application_title.h"
#include "runtime/in_out_error.h"
#include "platform/qt/message_dialog.h"
#include "platform/qt/save_dialog.h"
#include "ui/rand1.h"

namespace orvanel {
namespace {

using testing::ModalAnswers;

void Close(QWidget* dialog, QMessageBox::StandardButton which) {
  auto* box = qobject_cast<QMessageBox*>(dialog);
  ASSERT_NE(box, nullptr);
  QTimer::singleShot(0, box->button(which), &QAbstractButton::click);
}

void PressKey(QWidget* dialog, Qt::Key key) {
  QTimer::singleShot(0, dialog, [dialog, key] { QTest::keyClick(dialog, key); });
}

struct BoxSeen {
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QList<QAbstractButton*> buttons;
  bool ok_is_default_and_escape = false;
  QWidget* owner = nullptr;
  QRect frame;
  bool fixed_size = false;
};

BoxSeen Inspect(QWidget* dialog) {
  auto* box = qobject_cast<QMessageBox*>(dialog);
  if (box == nullptr) return {};
  QAbstractButton* ok = box->button(QMessageBox::Ok);
  return {box->windowTitle(),
          box->text(),
          box->icon(),
          box->buttons(),
          ok != nullptr && box->defaultButton() == ok && box->escapeButton() == ok,
          box->parentWidget(),
          box->frameGeometry(),
          box->minimumSize() == box->size() && box->maximumSize() == box->size()};
}

TEST(MessageDlg, InformationHasOneOkThatEnterAndEscBothClose) {
  // An active window away from the middle: the box is still centred on the
  // screen, not over the window.
  QWidget window;
  window.setGeometry(10, 20, 300, 200);
  window.show();
  const QRect screen = window.screen()->geometry();
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ModalAnswers answers;
    BoxSeen seen;
    answers.Then([&](QWidget* dialog) {
      seen = Inspect(dialog);
      PressKey(dialog, key);
    });
    MessageDlg("Bank has been generated and saved!", MsgDlgType::Information);
    EXPECT_TRUE(answers.AllAnswered());
    EXPECT_EQ(seen.caption, "Information");
    EXPECT_EQ(seen.text, "Bank has been generated and saved!");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons.size(), 1);
    EXPECT_TRUE(seen.ok_is_default_and_escape);
    EXPECT_EQ(seen.owner, &window);
    EXPECT_TRUE(seen.fixed_size);
    EXPECT_EQ(seen.frame.topLeft(),
              QPoint((screen.width() - seen.frame.width()) / 2, (screen.height() - seen.frame.height()) / 2));
  }
}

TEST(ErrorDisplay, ShowsTheTextWithItsFullStopUnderTheApplicationTitle) {
  ModalAnswers answers;
  BoxSeen seen;
  answers.Then([&](QWidget* dialog) {
    seen = Inspect(dialog);
    Close(dialog, QMessageBox::Ok);
  });
  TApplication::HandleException(EInOutError(112));
  EXPECT_EQ(seen.caption, "ui_tests");
  EXPECT_EQ(seen.text, "I/O error 112.");
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.buttons.size(), 1);
}

// An error escaping an event reaches the application object, not Qt's
// caller, and the program carries on.
TEST(ErrorDisplay, CatchesWhatEscapesAnEventHandler) {
  class Throwing : public QObject {
   public:
    bool event(QEvent* /*event*/) override { throw EInOutError(3); }
  } receiver;
  ModalAnswers answers;
  QString text;
  answers.Then([&](QWidget* dialog) {
    text = Inspect(dialog).text;
    Close(dialog, QMessageBox::Ok);
  });
  QEvent event(QEvent::User);
  EXPECT_NO_THROW(QCoreApplication::sendEvent(&receiver, &event));
  EXPECT_EQ(text, "Invalid filename.");
}

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstFullStopInLowerCaseButTheFirst) {
  struct Case {
    const char* path;
    const char* title;
  };
  for (const Case c : {Case{"/usr/bin/orvanel", "orvanel"}, Case{"/opt/Orvanel/ORVANEL.bin", "Orvanel"},
                       Case{"/home/x/my.prog.v2", "my"}, Case{"relative/aB", "ab"},
                       Case{"/usr/bin/\xC3\x89" "DIT", "\xC3\x89" "dit"}, Case{"/usr/bin/.hidden", ""}}) {
    EXPECT_EQ(ApplicationTitle(QString::fromUtf8(c.path)), QString::fromUtf8(c.title)) << c.path;
  }
}

// SaveDialog1 as the main window configures it, so that a slip in the form
// shows here.
class SaveDialogTest : public ::testing::Test {
 protected:
  // Runs the dialog, typing `name` into the first file dialog, and answers
  // the questions it asks in order; returns what Execute returns.
  bool SaveAs(const QString& name, std::initializer_list<QMessageBox::StandardButton> questions) {
    ModalAnswers answers;
    answers.Then([&](QWidget* modal) {
      auto* file_dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(file_dialog, nullptr);
      testing::TypePathAndAccept(file_dialog, folder.filePath(name));
    });
    for (QMessageBox::StandardButton answer : questions) {
      answers.Then([answer](QWidget* modal) { Close(modal, answer); });
    }
    const bool confirmed = dialog.Execute();
    EXPECT_TRUE(answers.AllAnswered());
    return confirmed;
  }

  TForm1 form;
  TSaveDialog& dialog = *form.SaveDialog1;
  QTemporaryDir folder;
};

TEST_F(SaveDialogTest, ShowsTheFormsSettingsAndKeepsTheConfirmedPath) {
  EXPECT_EQ(dialog.DefaultExt, ".syx");  // leading period and all
  EXPECT_EQ(dialog.Options, ofOverwritePrompt | ofHideReadOnly | ofEnableSizing);  // and no other
  EXPECT_TRUE(dialog.FileName.isEmpty());
  ModalAnswers answers;
  answers.Then([&](QWidget* modal) {
    auto* file_dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(file_dialog, nullptr);
    EXPECT_EQ(file_dialog->windowTitle(), "Save JD800 Sysex Bank ...");
    EXPECT_EQ(file_dialog->nameFilters(), QStringList{"JD800 Sysex File (*.syx)"});
    EXPECT_EQ(file_dialog->selectedNameFilter(), "JD800 Sysex File (*.syx)");
    EXPECT_EQ(file_dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(file_dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(file_dialog->isSizeGripEnabled());
    EXPECT_TRUE(file_dialog->isModal());
    EXPECT_EQ(testing::NameBox(file_dialog)->text(), "");
    testing::TypePathAndAccept(file_dialog, folder.filePath("first"));  // no extension typed
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, folder.filePath("first.syx"));
  EXPECT_EQ(dialog.ChosenPath(), folder.filePath("first.syx").toStdString());

  // The next dialog opens on that path; a cancel leaves it as it was.
  answers.Then([&](QWidget* modal) {
    auto* file_dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(file_dialog, nullptr);
    EXPECT_EQ(file_dialog->selectedFiles().value(0), folder.filePath("first.syx"));
    QTimer::singleShot(0, file_dialog, &QDialog::reject);
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, folder.filePath("first.syx"));
}

TEST_F(SaveDialogTest, AddsTheDefaultExtensionToAFileNameWithoutOne) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("my.banks"));
  struct Case {
    const char* typed;
    const char* chosen;
  };
  for (const Case c : {Case{"strings", "strings.syx"}, Case{"strings.syx", "strings.syx"},
                       Case{"strings.bin", "strings.bin"}, Case{"my.banks/strings", "my.banks/strings.syx"}}) {
    SCOPED_TRACE(c.typed);
    ASSERT_TRUE(SaveAs(c.typed, {}));
    EXPECT_EQ(dialog.FileName, folder.filePath(c.chosen));
  }
}

// Qt's own dialog asks about the name it returns, and the dialog stays open
// after a "No"; the extension added after a dialog has closed takes one
// question of its own, and a "No" opens the dialog again on the name as typed.
// The desktop's dialogs only ever return the name as typed.
TEST_F(SaveDialogTest, AsksOnceBeforeReplacingAFileHoweverItsNameIsTyped) {
  QFile existing(folder.filePath("old.syx"));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();
  struct Case {
    const char* typed;
    QMessageBox::StandardButton answer;
    bool same_dialog_after_no;
  };
  for (const Case c : {Case{"old.syx", QMessageBox::Yes, true}, Case{"old", QMessageBox::Yes, false},
                       Case{"old.syx", QMessageBox::No, true}, Case{"old", QMessageBox::No, false}}) {
    SCOPED_TRACE(std::string(c.typed) + (c.answer == QMessageBox::Yes ? ", Yes" : ", No"));
    dialog.FileName.clear();
    ModalAnswers answers;
    QPointer<QFileDialog> first;
    QString offered_again;
    const auto cancel_offering_again = [&](QFileDialog* file_dialog) {
      offered_again = testing::NameBox(file_dialog)->text();
      file_dialog->reject();
    };
    answers.Then([&](QWidget* modal) {
      first = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(first.data(), nullptr);
      testing::TypePathAndAccept(first, folder.filePath(c.typed));
    });
    answers.Then([&](QWidget* modal) {
      auto* question = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(question, nullptr);
      EXPECT_EQ(question->windowTitle(), "Save JD800 Sysex Bank ...");
      EXPECT_EQ(question->text(), "old.syx already exists.\nDo you want to replace it?");
      EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::No));
      if (c.answer == QMessageBox::No && c.same_dialog_after_no) {
        QObject::connect(question, &QDialog::finished, [&] {
          QTimer::singleShot(0, [&] {
            ASSERT_EQ(QApplication::activeModalWidget(), first.data());
            cancel_offering_again(first);
          });
        });
      }
      Close(question, c.answer);
    });
    if (c.answer == QMessageBox::No && !c.same_dialog_after_no) {
      answers.Then([&](QWidget* modal) {
        auto* again = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(again, nullptr);
        QTimer::singleShot(0, again, [&, again] { cancel_offering_again(again); });
      });
    }

    const bool confirmed = dialog.Execute();
    EXPECT_TRUE(answers.AllAnswered());
    if (c.answer == QMessageBox::Yes) {
      EXPECT_TRUE(confirmed);
      EXPECT_EQ(dialog.FileName, folder.filePath("old.syx"));
    } else {
      EXPECT_FALSE(confirmed);
      EXPECT_EQ(offered_again, c.typed);
      EXPECT_TRUE(dialog.FileName.isEmpty());
    }
  }
}

TEST_F(SaveDialogTest, AsksNothingForANewFileOrAFolderOfThatName) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("folder.syx"));
  EXPECT_TRUE(SaveAs("new", {}));
  EXPECT_EQ(dialog.FileName, folder.filePath("new.syx"));
  // Writing to a folder fails with its own message; replacing it is no question.
  EXPECT_TRUE(SaveAs("folder", {}));
  EXPECT_EQ(dialog.FileName, folder.filePath("folder.syx"));
}

}  // namespace
}  // namespace orvanel
