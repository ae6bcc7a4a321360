// SPDX-License-Identifier: GPL-3.0-or-later
// Every window on the screen at any scale: ctest runs this at scale 1 on 1920 x 1080, at 1.5 and 2 on
// 1280 x 1024 (where the larger windows draw smaller to fit) and at 2 on 3840 x 2160. Every control shown
// lies inside the screen's free area, and every caption shows whole.
#include <QAbstractButton>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <cstdlib>

#include "tests/app/AllWindowsFixture.h"

namespace {

// How many pixels of a caption's ink lie past its control's right edge (a wrapped static's lines past its
// bottom); 0 when it shows whole.
int CaptionCut(QWidget* c) {
  const QFontMetrics fm(c->font());
  if (auto* label = qobject_cast<QLabel*>(c)) {
    if (label->text().isEmpty() || !label->pixmap().isNull()) return 0;
    const QRect room = label->contentsRect();
    if (!label->wordWrap()) return std::max(0, room.left() + fm.boundingRect(label->text()).right() + 1 - label->width());
    // A line's box is a pixel taller than the glyphs reach: one line in a static a line high is whole.
    const QRect lines = fm.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, label->text());
    return std::max(0, room.top() + lines.height() - 1 - label->height());
  }
  auto* button = qobject_cast<QAbstractButton*>(c);
  if (!button || button->text().isEmpty()) return 0;
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const QStyle::SubElement contents = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                      : button->isCheckable()             ? QStyle::SE_CheckBoxContents
                                                                          : QStyle::SE_PushButtonContents;
  const QRect room = button->style()->subElementRect(contents, &option, button);
  const int ink = fm.boundingRect(button->text()).right() + 1;
  if (contents == QStyle::SE_PushButtonContents) return std::max(0, ink - room.width());
  return std::max(0, room.left() + ink - button->width());
}

std::string GetText(QWidget* c) {
  if (auto* label = qobject_cast<QLabel*>(c)) return label->text().toStdString();
  if (auto* button = qobject_cast<QAbstractButton*>(c)) return button->text().toStdString();
  return {};
}

class OnScreen : public AllWindows, public testing::WithParamInterface<Window> {};

TEST_P(OnScreen, EveryControlInsideTheScreenWithItsCaptionWhole) {
  auto& dialog = dynamic_cast<CDialog&>(OpenWindow(GetParam()));
  QWidget* window = WidgetOf(dialog);
  ASSERT_NE(window, nullptr);
  const QRect free = window->screen()->availableGeometry();
  EXPECT_TRUE(free.contains(window->geometry())) << "window at " << window->geometry().x() << ","
                                                  << window->geometry().y() << " " << window->width() << "x"
                                                  << window->height();
  int shown = 0;
  for (QWidget* c : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!c->isVisible() || c->objectName().isEmpty()) continue;
    ++shown;
    const std::string id = c->objectName().toStdString();
    EXPECT_TRUE(free.contains(QRect(c->mapToGlobal(QPoint(0, 0)), c->size()))) << "control " << id << " is off the screen";
    EXPECT_EQ(CaptionCut(c), 0) << "control " << id << " cuts its caption " << GetText(c);
  }
  EXPECT_GE(shown, 3);
  // To look at a window as a person sees it: QUORVEL_SCREENSHOTS=folder.
  if (const char* folder = std::getenv("QUORVEL_SCREENSHOTS"))
    window->grab().save(QString("%1/%2-%3.png").arg(folder, window->objectName(), qgetenv("QT_SCALE_FACTOR")));
}

INSTANTIATE_TEST_SUITE_P(Windows, OnScreen,
                         testing::Values(Window::Main, Window::Maintenance, Window::Settings, Window::SmartButtons,
                                         Window::FileInfo),
                         [](const testing::TestParamInfo<Window>& info) { return std::string(NameOf(info.param)); });

// Where the window fits, it is exactly as its template says: the template's font, not a smaller one.
TEST_F(AllWindows, WindowThatFitsKeepsItsFont) {
  QWidget* settings = WidgetOf(OpenWindow(Window::Settings));
  const QSize room = settings->screen()->availableGeometry().size();
  if (room.height() < 800) GTEST_SKIP() << "the settings dialog needs a taller screen to fit";
  EXPECT_EQ(settings->font().pointSizeF(), 8.0);
}

}  // namespace
