// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the start-up benchmark: the main window built the simplest way, as a bare Qt 6 dialog
// with the same font and the same controls, the hidden file-task controls included (the window has
// them from the start). It reports "shown" under QUORVEL_UI_SHOWN_FD through platform/ui's own
// reporter, then quits.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <utility>

#include "platform/ui/internal/ShownReporter.h"

namespace {

template <class Widget, class... Args>
void AddHidden(QDialog* dialog, Args&&... args) {
  auto* widget = new Widget(std::forward<Args>(args)..., dialog);
  widget->setGeometry(420, 10, 100, 20);
  widget->hide();
}

// The window's file-task controls: created hidden, never shown.
void AddHiddenControls(QDialog* dialog) {
  for (const char* text : {"Deinitialize", "Clear", "Clear", "...", "...", "...", "Copy", "Move", "Delete",
                           "Start Delayed Tasks", "Cancel current Task(s)", "Convert", "Decrypt", "Select Custom",
                           "SeparateSpokenInstructions", "New file", "get_IDPMFileInfo", "get"})
    AddHidden<QPushButton>(dialog, text);
  for (int i = 0; i < 4; ++i) AddHidden<QListWidget>(dialog);
  for (int i = 0; i < 4; ++i) AddHidden<QLineEdit>(dialog);
  for (const char* text : {"Delayed", "Is Dictation", "Is Instruction"}) AddHidden<QCheckBox>(dialog, text);
  for (const char* text : {"", "Pwd:", ""}) AddHidden<QLabel>(dialog, text);
  for (int i = 0; i < 2; ++i) {
    auto* combo = new QComboBox(dialog);
    for (int entry = 0; entry < 6; ++entry) combo->addItem(QStringLiteral("entry %1").arg(entry));
    combo->hide();
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.setFont(QFont("Liberation Sans", 8));
  dialog.setWindowTitle("Bare dialog");
  dialog.setFixedSize(404, 213);
  auto* initialize = new QPushButton("Initialize", &dialog);
  initialize->setGeometry(8, 24, 110, 36);
  auto* setup = new QPushButton("Setup Device", &dialog);
  setup->setGeometry(9, 72, 108, 39);
  auto* format = new QPushButton("Format/Set Time", &dialog);
  format->setGeometry(9, 120, 108, 39);
  auto* exit = new QPushButton("Exit", &dialog);
  exit->setGeometry(276, 171, 111, 37);
  auto* group = new QGroupBox("Instructions", &dialog);
  group->setGeometry(132, 20, 255, 145);
  auto* text = new QLabel("To use this program first connect the device.", group);
  text->setWordWrap(true);
  text->setGeometry(15, 24, 231, 106);
  auto* banner = new QLabel("Setup for Orvane DPM_9350 to DPM4-8500", &dialog);
  banner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  banner->setGeometry(9, 176, 261, 29);

  AddHiddenControls(&dialog);

  ui::ShownReporter::InstallFromEnvironment(
      [] { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); });
  dialog.show();
  return app.exec();
}
