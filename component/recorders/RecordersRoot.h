#pragma once
// Where the simulated recorders live: $QUORVEL_RECORDERS when set, else the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share) followed by quorvel/recorders.
#include <string>
#include <vector>

std::string RecordersRoot();
// Every recorder folder under `root`, damaged ones included (any folder not starting with '.'),
// sorted by name.
std::vector<std::string> AllRecorderFolders(const std::string& root);
// The folders of the recorders present under `root` with a valid identity, sorted by name.
std::vector<std::string> PresentRecorderFolders(const std::string& root);
