#pragma once
// Where the simulated recorders live: $QUORVEL_RECORDERS when set, else the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share) followed by quorvel/recorders.
#include <string>
#include <vector>

std::string RecordersRoot();
// The folders of the recorders present under `root` (valid identity), sorted by name.
std::vector<std::string> PresentRecorderFolders(const std::string& root);
