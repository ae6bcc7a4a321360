// SPDX-License-Identifier: GPL-3.0-or-later
// The README's pictures, taken from the program's own windows over the real component: the main
// window after Initialize, the maintenance window, the settings dialog and the smart buttons dialog.
// Run by scripts/screenshots.sh on a virtual display; without QUORVEL_SCREENSHOTS it does nothing.
#include "tests/app/EndToEndFixture.h"

#include <QApplication>
#include <QTimer>

#include "settings/DeviceSettingsIds.h"

namespace {

class ScreenshotTour : public EndToEndTest {
 protected:
  // The visible top-level window with this caption, drawn whole.
  static QWidget* Shown(const QString& caption) {
    QWidget* found = nullptr;
    PumpUntil([&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowTitle() == caption) found = w;
      }
      return found != nullptr;
    });
    if (found) (void)QTest::qWaitForWindowExposed(found);
    PumpUntil([] { return false; }, std::chrono::milliseconds(300));
    return found;
  }

  static void Save(QWidget* window, const char* name) {
    ASSERT_NE(window, nullptr) << name << ": no such window";
    const std::string path = std::string(std::getenv("QUORVEL_SCREENSHOTS")) + "/" + name + ".png";
    ASSERT_TRUE(window->grab().save(QString::fromStdString(path), "PNG")) << path;
  }
};

TEST_F(ScreenshotTour, EveryWindowTheReadmeShows) {
  if (!std::getenv("QUORVEL_SCREENSHOTS")) GTEST_SKIP() << "QUORVEL_SCREENSHOTS names no folder";
  QApplication::setCursorFlashTime(0);  // a text cursor that does not blink is drawn the same each time
  StartSession();
  Save(WidgetOf(*dlg), "main-window");

  Click(*dlg, IDC_FORMAT_SET_TIME);
  Save(Shown("Selvarin Quorvel"), "maintenance-window");
  Click(*dlg->DeviceDlg(), IDC_CLOSE);
  ASSERT_TRUE(PumpUntil([&] { return dlg->DeviceDlg() == nullptr || !dlg->DeviceDlg()->IsWindow(); }));

  // Both dialogs are modal: each picture is taken from inside its dialog's own run.
  QTimer::singleShot(0, [] {
    QWidget* settings = Shown("Selvarin DPM Device Settings");
    Save(settings, "settings-dialog");
    auto* dialog = CWnd::FromHandlePermanent(HandleFromWidget(settings));
    QTimer::singleShot(0, [] {
      QWidget* smart = Shown("DPM4 Profile and Smart Buttons Setup");
      Save(smart, "smart-buttons-dialog");
      Click(*CWnd::FromHandlePermanent(HandleFromWidget(smart)), IDCANCEL);
    });
    Click(*dialog, IDC_DPM4_SETTINGS);
    Click(*dialog, IDOK);
  });
  Click(*dlg, IDC_SETUP_DEVICE);
  EXPECT_TRUE(PumpUntil([&] { return dlg->DeviceDlg() == nullptr; }));
}

}  // namespace
