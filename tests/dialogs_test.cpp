#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "forms/application.h"
#include "forms/dialogs.h"
#include "forms/form.h"
#include "modal_answers.h"
#include "platform/qt/application_title.h"
#include "qt_printers.h"
#include "runtime/in_out_error.h"

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
};

BoxSeen Inspect(QWidget* dialog) {
  auto* box = qobject_cast<QMessageBox*>(dialog);
  if (box == nullptr) return {};
  QAbstractButton* ok = box->button(QMessageBox::Ok);
  return {box->windowTitle(), box->text(), box->icon(), box->buttons(),
          ok != nullptr && box->defaultButton() == ok && box->escapeButton() == ok};
}

TEST(MessageDlg, InformationHasOneOkThatEnterAndEscBothClose) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
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

class SaveDialogTest : public ::testing::Test {
 protected:
  TForm owner{{.Caption = "Owner", .ClientWidth = 300, .ClientHeight = 200, .Font = {"MS Sans Serif", 11}}};
  TSaveDialog& dialog = *new TSaveDialog(owner, {.Title = "Save JD800 Sysex Bank ...",
                                                 .Filter = "JD800 Sysex File|*.syx",
                                                 .DefaultExt = ".syx",
                                                 .Options = ofOverwritePrompt | ofHideReadOnly | ofEnableSizing});
  QTemporaryDir folder;
};

TEST_F(SaveDialogTest, OffersItsSettingsAndKeepsTheConfirmedPath) {
  ModalAnswers answers;
  answers.Then([&](QWidget* modal) {
    auto* file_dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(file_dialog, nullptr);
    EXPECT_EQ(file_dialog->windowTitle(), "Save JD800 Sysex Bank ...");
    EXPECT_EQ(file_dialog->nameFilters(), QStringList{"JD800 Sysex File (*.syx)"});
    EXPECT_EQ(file_dialog->defaultSuffix(), "syx");
    EXPECT_EQ(file_dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(file_dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(file_dialog->isSizeGripEnabled());
    EXPECT_TRUE(file_dialog->isModal());
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
    QTimer::singleShot(0, file_dialog, [file_dialog] { file_dialog->reject(); });
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(QString::fromStdString(dialog.FileName), folder.filePath("first.syx"));
}

TEST_F(SaveDialogTest, AsksBeforeReplacingAFile) {
  QFile existing(folder.filePath("old.syx"));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();
  for (const auto& [answer, accepted] : {std::pair{QMessageBox::No, false}, std::pair{QMessageBox::Yes, true}}) {
    ModalAnswers answers;
    answers.Then([&](QWidget* modal) {
      auto* file_dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(file_dialog, nullptr);
      testing::TypePathAndAccept(file_dialog, folder.filePath("old.syx"));
    });
    answers.Then([&, answer = answer](QWidget* modal) {
      auto* question = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(question, nullptr);
      QTimer::singleShot(0, question->button(answer), &QAbstractButton::click);
      if (answer == QMessageBox::No) {
        // Refused: the file dialog stays open until cancelled.
        QTimer::singleShot(50, [] {
          if (auto* still = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) still->reject();
        });
      }
    });
    EXPECT_EQ(dialog.Execute(), accepted);
    EXPECT_TRUE(answers.AllAnswered());
  }
}

}  // namespace
}  // namespace orvanel
