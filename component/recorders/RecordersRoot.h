// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the simulated recorders live: $QUORVEL_RECORDERS when set, else the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share) followed by quorvel/recorders.
#include <string>
#include <vector>

#include "component/recorders/FileAccess.h"

std::string RecordersRoot();
// Every recorder folder under `root`, damaged ones included (any folder not starting with '.', never a
// link to one), sorted by name.
std::vector<std::string> AllRecorderFolders(const std::string& root);
// The folders of the recorders present under `root` with a valid identity, sorted by name.
std::vector<std::string> PresentRecorderFolders(const std::string& root);
// Whether `path` lies inside the recorders folder, by its name or by where its folder really is: a
// link found there is never followed, whoever names it.
bool IsInsideRecorders(const std::string& path);
// How a file at `path` is opened: never through a link inside the recorders folder.
FileLinks LinksAt(const std::string& path);
