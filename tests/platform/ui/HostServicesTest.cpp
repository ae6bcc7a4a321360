// SPDX-License-Identifier: GPL-3.0-or-later
// The application's own host: its open-file dialog takes a name that does not exist yet (a settings
// file to be written), and cancelling it chooses nothing; its message boxes default to the button the
// type asks for, and Escape gives No where there is no Cancel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/ui/HostServices.h"

namespace {

// Runs `act` on the file dialog once it is open.
void WithFileDialog(std::function<void(QFileDialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) dialog = d;
    }
    ASSERT_NE(dialog, nullptr) << "no file dialog open";
    act(*dialog);
  });
}

class HostFileDialog : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-host-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    m_folder = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(m_folder); }
  std::string m_folder;
};

TEST_F(HostFileDialog, TakesANewFileName) {
  ASSERT_EQ(SetHostServices(nullptr), nullptr) << "the application's own host is installed";
  WithFileDialog([](QFileDialog& dialog) {
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    QTest::keyClicks(name, "office.settings");
    QTest::keyClick(name, Qt::Key_Return);
  });
  std::string path;
  OpenFileRequest request;
  request.initialPath = m_folder;
  ASSERT_TRUE(GetHostServices().GetOpenFileName(nullptr, request, path));
  EXPECT_EQ(path, m_folder + "/office.settings");
  EXPECT_FALSE(std::filesystem::exists(path)) << "choosing a name creates nothing";
}

TEST_F(HostFileDialog, CancelChoosesNothing) {
  WithFileDialog([](QFileDialog& dialog) { dialog.reject(); });
  std::string path = "unchanged";
  OpenFileRequest request;
  request.initialPath = m_folder;
  EXPECT_FALSE(GetHostServices().GetOpenFileName(nullptr, request, path));
  EXPECT_EQ(path, "unchanged");
}

struct BoxRow {
  UINT type;
  QMessageBox::StandardButton byDefault;
  int onEscape;
};

// Enter would answer the default button, so it is read from the box; Escape answers. (Rows in one test:
// a parameterized suite would run last, after tests that end the application's loops.)
TEST(HostMessageBox, DefaultButtonAndEscape) {
  for (const BoxRow& row : {BoxRow{MB_YESNO, QMessageBox::Yes, IDNO}, BoxRow{MB_YESNO | MB_DEFBUTTON2, QMessageBox::No, IDNO},
                            BoxRow{MB_YESNOCANCEL, QMessageBox::Yes, IDCANCEL},
                            BoxRow{MB_YESNOCANCEL | MB_DEFBUTTON3, QMessageBox::Cancel, IDCANCEL}}) {
    QMessageBox::StandardButton shownDefault = QMessageBox::NoButton;
    QTimer::singleShot(0, [&shownDefault] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr) << "no message box open";
      shownDefault = box->standardButton(box->defaultButton());
      QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(GetHostServices().MessageBox(nullptr, "Sure?", "Test", row.type), row.onEscape) << row.type;
    EXPECT_EQ(shownDefault, row.byDefault) << row.type;
  }
}

}  // namespace
