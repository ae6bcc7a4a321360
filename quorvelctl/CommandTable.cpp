// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/CommandTable.h"

#include <array>

#include "quorvelctl/settings/ApplyCommand.h"
#include "quorvelctl/files/BatchConvert.h"
#include "quorvelctl/files/FileCommands.h"
#include "quorvelctl/files/FileTaskCommand.h"
#include "quorvelctl/session/RecorderCommands.h"
#include "quorvelctl/settings/SettingsCommands.h"
#include "quorvelctl/settings/WatchCommand.h"

namespace {

ExitCode Watch(CCommandContext& context) { return CWatchCommand(context).Run(); }

constexpr unsigned kJ = kOptJson;
constexpr unsigned kD = kOptDevice;

constexpr std::array<CommandEntry, 15> kCommands{{
    {"list", "list [--json]",
     "Lists the connected recorders: number, name, model, MAC address, firmware.\n"
     "Exit 3 when there is none; like every command that only reads, it never makes a recorder.",
     kJ, 0, 0, CRecorderCommands::List},
    {"show", "show [FILE | -d N] [--json]",
     "Shows every setting of recorder N (default 0), or of a settings file, by its name as `set` takes it,\n"
     "with the names of value codes: keywords and their flags, the keyword values that are not empty,\n"
     "and on DPM4 models the smart buttons, display areas and recording profiles.",
     kJ | kD, 0, 1, CSettingsCommands::Show},
    {"export", "export FILE [-d N] [--json]",
     "Saves the settings of recorder N (default 0) to FILE, replacing it whole or not at all.",
     kJ | kD, 1, 1, CSettingsCommands::Export},
    {"import", "import FILE [-d N] [--json]",
     "Writes the settings file FILE to recorder N (default 0): all of it, or nothing when the recorder\n"
     "refuses it (a file of another model, say). Exit 1 when refused.",
     kJ | kD, 1, 1, CSettingsCommands::Import},
    {"diff", "diff A B [--json]",
     "Compares two sets of settings, each a settings file or a recorder written @N (@0 is the first).\n"
     "Prints each differing setting as  NAME: value in A | value in B. MAC address and firmware\n"
     "(where a file came from) are not compared. Exit 0 when equal, 1 when not.",
     kJ, 2, 2, CSettingsCommands::Diff},
    {"set", "set [-d N] NAME=VALUE ... [--json]",
     "Changes settings of recorder N (default 0) and commits them in one step. When the recorder refuses\n"
     "any value, the error names the setting and the code, and nothing is committed (exit 1).\n"
     "NAME is a setting's name as `show` prints it:\n"
     "  RecordingMode=dpmQualityPlay      a value code by its name, or its number (RecordingMode=6)\n"
     "  DeviceBeep=false                  flags: true or false (1 or 0)\n"
     "  FileNamePrefixString='\"DICT\"'     texts, with or without double quotes\n"
     "  KeywordUsageString[2]=Client      keyword names and flags, keywords numbered from 0:\n"
     "  KeywordMandatory[2]=true            KeywordBarcodeScan[K], KeywordVoiceCommand[K], KeywordMandatory[K]\n"
     "  KeywordContentString[2][0]=Smith  keyword K's value row R, rows from 0\n"
     "  SmartButtonConfiguration[0][1]=dpmSmartPriority   DPM4: button 0-2, recorder state 0-4\n"
     "  DisplayAreaMapping[1]=dpmDisplayDateTime          DPM4: display areas 1 to 4\n"
     "  RecordingProfile[1].AudioQuality=dpmAudioMp3      DPM4: profiles 0-3, also ProfileMicSensitivity\n"
     "  RecordingProfile[0].MicrophoneDirection[1]=dpmMicOmniDirectional   position 0 desktop, 1 hand held\n"
     "Values go in the order given; keyword rules (barcode versus voice command) apply as they do in the\n"
     "settings dialog.",
     kJ | kD, 1, SIZE_MAX, CSettingsCommands::Set},
    {"apply", "apply FILE (-d N | --all) [--dry-run] [--json]",
     "Writes the settings file FILE to recorder N or to every connected recorder. For each it prints what\n"
     "changes (NAME: now | from the file), then commits the whole file or nothing, and ends with a summary\n"
     "line. One recorder's refusal does not stop the others. --dry-run has the component check the\n"
     "file against each recorder without writing it: the same changes, refusals and exit code as the\n"
     "real run, and nothing changed. Exit 1 when any recorder refused.",
     kJ | kD | kOptAll | kOptDryRun, 1, 1, CApplyCommand::Run},
    {"watch", "watch --apply FILE [--json]",
     "Stays running and writes FILE to every recorder connected now and to each one that connects later,\n"
     "logging one line per recorder. When FILE is replaced, the new one goes to every connected recorder;\n"
     "a damaged replacement is reported and the old one kept. Ends cleanly on SIGINT, SIGTERM or SIGHUP (exit 0).",
     kJ | kOptApply, 0, 0, Watch},
    {"time", "time [-d N] [--json]", "Sets the clock of recorder N (default 0) to this computer's.", kJ | kD, 0, 0,
     CRecorderCommands::Time},
    {"format", "format [-d N] --yes [--json]",
     "Formats the memory card of recorder N (default 0), erasing every dictation on it. Without --yes it\n"
     "does nothing (exit 2).",
     kJ | kD | kOptYes, 0, 0, CRecorderCommands::Format},
    {"files", "files [-d N] [--json]",
     "Lists the dictations on the card of recorder N (default 0), one a line: file name, author, length\n"
     "(h:mm:ss.mmm), recording start and end. A dictation that cannot be read is named on stderr and the\n"
     "others are still listed (exit 1). Exit 3 when there is no such recorder.",
     kJ | kD, 0, 0, CFileCommands::Files},
    {"info", "info FILE [--json]",
     "Shows every property of the dictation FILE, one a line as NAME: value. A property the file has no\n"
     "value for shows the component's code instead (--json: under \"unreadable\"); a file that is no\n"
     "dictation has only its name, type and date. Exit 1 when FILE is missing or cannot be read at all.",
     kJ, 1, 1, CFileCommands::Info},
    {"convert", "convert SOURCE... DIR [-r] [-j N] [--format wav16|wav8|flac|opus|mp3] [--json]",
     "Converts dictations into the folder DIR, each under its own name with the format's extension.\n"
     "SOURCE is a dictation or, with -r, a folder whose .dss and .ds2 files (subfolders too, their\n"
     "layout kept under DIR) are converted. --format: wav16 16 kHz 16-bit mono PCM WAV (the default,\n"
     "also 0), wav8 the same at 8 kHz (also 1), flac, opus (Ogg) or mp3 at 16 kHz mono; the author,\n"
     "recording time and comment go into the file's tags. -j N runs N conversions at once (default:\n"
     "one per core). On a terminal one progress bar covers the batch (files and audio time done, time\n"
     "left). Each dictation gives a line (--json: a JSON document per line); one that cannot be\n"
     "converted (a DS2 file, say) is named on stderr with its code and the others go on. Run again, a\n"
     "batch converts only what is missing: a whole earlier conversion is kept, a damaged one is done\n"
     "again, and a file of the same name that is no conversion of the dictation is left alone\n"
     "(dpmCtrlFileExists). Two batches into one folder never write one file twice.\n"
     "Ctrl-C (SIGINT), SIGTERM or a hang-up (SIGHUP) stops every running conversion and leaves no\n"
     "partial file (exit 1). `convert FILE OUT.wav` names the target of one dictation, which must not\n"
     "exist.\n"
     "Exit 1 when any dictation was not converted, naming how many of a batch.",
     kJ | kOptFormat | kOptRecursive | kOptJobs, 2, SIZE_MAX, CBatchConvert::Run},
    {"copy", "copy FILE DIR [--json]",
     "Copies the dictation FILE, with its companion file and instruction file, into the folder DIR,\n"
     "where no file of that name may exist yet. Progress and cancelling (SIGINT, SIGTERM, SIGHUP) as for\n"
     "convert; a cancelled copy leaves nothing in DIR. Exit 1 when FILE is missing, DIR is not a folder\n"
     "or the component refuses.",
     kJ, 2, 2, CFileTaskCommand::Copy},
    {"move", "move FILE DIR [--json]",
     "Moves the dictation FILE, with its companion file and instruction file, into the folder DIR.\n"
     "As copy, cancelling (SIGINT, SIGTERM, SIGHUP) included; the source is removed only once the whole\n"
     "dictation is in DIR.",
     kJ, 2, 2, CFileTaskCommand::Move},
}};

constexpr std::string_view kProgramHelp =
    "usage: quorvelctl COMMAND [ARGUMENTS] [OPTIONS]\n"
    "\n"
    "Configures DPM dictation recorders and handles their dictations through the device-control\n"
    "component, without a display.\n"
    "\n"
    "commands:\n"
    "  list                                 the connected recorders\n"
    "  show [FILE | -d N]                   every setting of a recorder or a settings file\n"
    "  export FILE [-d N]                   save a recorder's settings to a file\n"
    "  import FILE [-d N]                   write a settings file to a recorder\n"
    "  diff A B                             compare settings files and recorders (@N)\n"
    "  set [-d N] NAME=VALUE ...            change settings and commit them in one step\n"
    "  apply FILE (-d N | --all) [--dry-run]  write a settings file to one or every recorder\n"
    "  watch --apply FILE                   write it to every recorder that connects, until stopped\n"
    "  time [-d N]                          set a recorder's clock\n"
    "  format [-d N] --yes                  format a recorder's card\n"
    "  files [-d N]                         the dictations on a recorder's card\n"
    "  info FILE                            every property of a dictation\n"
    "  convert SOURCE... DIR [-r] [-j N] [--format F]  convert dictations: wav16|wav8|flac|opus|mp3\n"
    "  copy FILE DIR                        copy a dictation into a folder\n"
    "  move FILE DIR                        move a dictation into a folder\n"
    "\n"
    "options:\n"
    "  -d, --device N   the recorder numbered N in list (default 0)\n"
    "  -r, --recursive  convert: take the dictations in folders and their subfolders\n"
    "  -j, --jobs N     convert: N conversions at once (default: one per core)\n"
    "  --json           print one JSON document (watch: one per line) instead of text\n"
    "  -h, --help       this help; `quorvelctl COMMAND --help` for a command's\n"
    "  --version        the program's name and version\n"
    "\n"
    "exit codes:\n"
    "  0  done\n"
    "  1  a difference (diff), or the component refused or failed (a missing file, a cancelled task)\n"
    "  2  usage error\n"
    "  3  no component registered, or no such recorder\n"
    "\n"
    "Errors go to stderr in one line naming the component's result code.\n";

}  // namespace

std::span<const CommandEntry> CCommandTable::All() { return kCommands; }

const CommandEntry* CCommandTable::Find(std::string_view name) {
  for (const CommandEntry& command : kCommands) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

std::string_view CCommandTable::ProgramHelp() { return kProgramHelp; }
