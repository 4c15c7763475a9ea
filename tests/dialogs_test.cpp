#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "modal_answers.h"
#include "qt_printers.h"
#include "forms/application.h"
#include "forms/dialogs.h"
#include "platform/qt/application_title.h"
#include "runtime/in_out_error.h"
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
  Application->HandleException(EInOutError(112));
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
  // Runs the dialog with `name` typed into it; any other dialog fails the
  // test. Returns what Execute returns.
  bool SaveAs(const QString& name) {
    ModalAnswers answers;
    answers.Then([&](QWidget* modal) {
      auto* file_dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(file_dialog, nullptr);
      testing::TypePathAndAccept(file_dialog, folder.filePath(name));
    });
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
  EXPECT_TRUE(dialog.FileName.empty());
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
  EXPECT_EQ(QString::fromStdString(dialog.FileName), folder.filePath("first.syx"));
  EXPECT_EQ(dialog.ChosenPath(), folder.filePath("first.syx").toStdString());

  // The next dialog opens on that path; a cancel leaves it as it was.
  answers.Then([&](QWidget* modal) {
    auto* file_dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(file_dialog, nullptr);
    EXPECT_EQ(file_dialog->selectedFiles().value(0), folder.filePath("first.syx"));
    QTimer::singleShot(0, file_dialog, &QDialog::reject);
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(QString::fromStdString(dialog.FileName), folder.filePath("first.syx"));
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
    ASSERT_TRUE(SaveAs(c.typed));
    EXPECT_EQ(QString::fromStdString(dialog.FileName), folder.filePath(c.chosen));
  }
}

// One question, about the file that is written, however its name is typed:
// Qt's own dialog adds the extension before it asks, so a file named "old"
// beside it is no matter. After a "No" the dialog stays open.
TEST_F(SaveDialogTest, AsksOnceBeforeReplacingAFileHoweverItsNameIsTyped) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("my.banks"));
  for (const char* existing : {"old.syx", "old", "my.banks/old.syx"}) {
    QFile file(folder.filePath(existing));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  struct Case {
    const char* typed;
    QMessageBox::StandardButton answer;
    const char* chosen;  // on Yes
  };
  for (const Case c : {Case{"old.syx", QMessageBox::Yes, "old.syx"}, Case{"old", QMessageBox::Yes, "old.syx"},
                       Case{"old.syx", QMessageBox::No, ""}, Case{"old", QMessageBox::No, ""},
                       Case{"my.banks/old", QMessageBox::Yes, "my.banks/old.syx"}}) {
    SCOPED_TRACE(std::string(c.typed) + (c.answer == QMessageBox::Yes ? ", Yes" : ", No"));
    dialog.FileName.clear();
    ModalAnswers answers;
    QPointer<QFileDialog> file_dialog;
    bool stayed_open = false;
    answers.Then([&](QWidget* modal) {
      file_dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(file_dialog.data(), nullptr);
      testing::TypePathAndAccept(file_dialog, folder.filePath(c.typed));
    });
    answers.Then([&](QWidget* modal) {
      auto* question = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(question, nullptr);
      EXPECT_EQ(question->windowTitle(), "Save JD800 Sysex Bank ...");
      EXPECT_EQ(question->text(), "old.syx already exists.\nDo you want to replace it?");
      EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::No));
      if (c.answer == QMessageBox::No) {
        // Then the user chooses again, here cancels.
        QObject::connect(question, &QDialog::finished, [&] {
          QTimer::singleShot(0, [&] {
            stayed_open = QApplication::activeModalWidget() == file_dialog.data();
            if (file_dialog) file_dialog->reject();
          });
        });
      }
      Close(question, c.answer);
    });

    EXPECT_EQ(dialog.Execute(), c.answer == QMessageBox::Yes);
    EXPECT_TRUE(answers.AllAnswered());
    if (c.answer == QMessageBox::Yes) {
      EXPECT_EQ(QString::fromStdString(dialog.FileName), folder.filePath(c.chosen));
    } else {
      EXPECT_TRUE(stayed_open);
      EXPECT_TRUE(dialog.FileName.empty());
    }
  }
}

}  // namespace
}  // namespace orvanel
