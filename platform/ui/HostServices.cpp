// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt host: real message boxes and file, folder and audio format dialogs.
#include "platform/ui/HostServices.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>
#include <vector>

#include "platform/ui/WinApp.h"
#include "platform/ui/internal/WindowState.h"

namespace {

QWidget* OwnerWidget(HWND owner) {
  if (ui::IsLive(owner) && owner->widget) return owner->widget->window();
  return QApplication::activeWindow();
}

struct PcmFormat {
  const char* text;
  unsigned rate;
  unsigned bits;
  unsigned channels;
};
const PcmFormat kPcmFormats[] = {
    {"8.000 kHz, 8 Bit, Mono", 8000, 8, 1},     {"8.000 kHz, 16 Bit, Mono", 8000, 16, 1},
    {"11.025 kHz, 16 Bit, Mono", 11025, 16, 1}, {"16.000 kHz, 16 Bit, Mono", 16000, 16, 1},
    {"22.050 kHz, 16 Bit, Mono", 22050, 16, 1}, {"44.100 kHz, 16 Bit, Stereo", 44100, 16, 2},
};

void Put16(std::vector<BYTE>& b, unsigned v) {
  b.push_back(static_cast<BYTE>(v & 0xFF));
  b.push_back(static_cast<BYTE>((v >> 8) & 0xFF));
}
void Put32(std::vector<BYTE>& b, unsigned v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// WAVEFORMATEX of a PCM format: tag 1, channels, rate, bytes per second, block align, bits, 0 extra.
std::vector<BYTE> PcmBlock(const PcmFormat& f) {
  std::vector<BYTE> block;
  unsigned align = f.channels * f.bits / 8;
  Put16(block, 1);
  Put16(block, f.channels);
  Put32(block, f.rate);
  Put32(block, f.rate * align);
  Put16(block, align);
  Put16(block, f.bits);
  Put16(block, 0);
  return block;
}

// The default button by its place, as the platform counts it; Escape answers No when there is no Cancel.
void SetDefaultAndEscape(QMessageBox& box, UINT type) {
  std::vector<QMessageBox::StandardButton> order;
  for (QMessageBox::StandardButton b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Cancel})
    if (box.button(b)) order.push_back(b);
  const std::size_t place = (type & MB_DEFMASK) >> 8;
  if (place < order.size()) box.setDefaultButton(order[place]);
  if ((type & MB_TYPEMASK) == MB_YESNO) box.setEscapeButton(QMessageBox::No);
}

class QtHost : public IHostServices {
 public:
  int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) override {
    QMessageBox box(OwnerWidget(owner));
    box.setWindowTitle(ui::ToQt(caption));
    box.setText(ui::ToQt(text));
    switch (type & MB_ICONMASK) {
      case MB_ICONHAND: box.setIcon(QMessageBox::Critical); break;
      case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
      case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
      case MB_ICONASTERISK: box.setIcon(QMessageBox::Information); break;
      default: break;
    }
    switch (type & MB_TYPEMASK) {
      case MB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
      case MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
      case MB_YESNOCANCEL: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
      default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    SetDefaultAndEscape(box, type);
    ui::QtEntry entry;
    switch (box.exec()) {
      case QMessageBox::Yes: return IDYES;
      case QMessageBox::No: return IDNO;
      case QMessageBox::Cancel: return IDCANCEL;
      case QMessageBox::Ok: return IDOK;
      default: return (type & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    }
  }

  bool GetOpenFileName(HWND owner, const OpenFileRequest& request, std::string& path) override {
    // As the platform's dialog without its file-must-exist option: a name typed in need not exist yet,
    // so the same dialog serves for saving to a new file.
    QFileDialog dialog(OwnerWidget(owner), ui::ToQt(request.title), ui::ToQt(request.initialPath),
                       FilterOf(request.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    ui::QtEntry entry;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const QString chosen = dialog.selectedFiles().front();
    if (chosen.isEmpty()) return false;
    path = ui::FromQt(chosen);
    return true;
  }

  bool BrowseForFolder(HWND owner, const std::string& title, UINT, std::string& folder) override {
    ui::QtEntry entry;
    QString chosen = QFileDialog::getExistingDirectory(OwnerWidget(owner), ui::ToQt(title));
    if (chosen.isEmpty()) return false;
    folder = ui::FromQt(chosen);
    return true;
  }

  bool ChooseAudioFormat(HWND owner, const AudioFormatRequest& request, AudioFormatChoice& choice) override {
    QDialog dialog(OwnerWidget(owner));
    dialog.setWindowTitle(ui::ToQt(request.title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    for (const PcmFormat& f : kPcmFormats) list->addItem(QString::fromLatin1(f.text));
    list->setCurrentRow(3);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    ui::QtEntry entry;
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return false;
    const PcmFormat& f = kPcmFormats[list->currentRow()];
    choice.name.clear();
    choice.formatTag = "PCM";
    choice.format = f.text;
    choice.block = PcmBlock(f);
    if (choice.block.size() > request.maxFormatSize) return false;
    return true;
  }

 private:
  static QString FilterOf(const std::string& filter) {
    // "Name|*.ext|Name2|*.x;*.y|" -> "Name (*.ext);;Name2 (*.x *.y)"
    QStringList parts = ui::ToQt(filter).split('|', Qt::SkipEmptyParts);
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return filters.join(";;");
  }
};

QtHost& TheQtHost() {
  static QtHost host;
  return host;
}

IHostServices* g_host = nullptr;

}  // namespace

IHostServices& GetHostServices() { return g_host ? *g_host : TheQtHost(); }

IHostServices* SetHostServices(IHostServices* host) {
  IHostServices* previous = g_host;
  g_host = host;
  return previous;
}

int AfxMessageBox(const std::string& text, UINT type) {
  HWND owner = ui::HandleOf(QApplication::activeWindow());
  return GetHostServices().MessageBox(owner, text, AfxGetAppName(), type);
}
