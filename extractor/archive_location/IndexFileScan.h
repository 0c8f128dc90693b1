// The start-up search for backup index files: a folder's own "*.lxi" files, then
// those of its subfolders, down to a maximum depth.
#pragma once

#include <string>
#include <vector>

// Appends to the list the full paths of the index files ("*.lxi", not folders) in
// the folder (ending with the separator), then, while depth < maxDepth, those of
// each subfolder in listing order, hidden and system ones included. The start-up
// search passes maxDepth 1 and depth 0: the folder and its first-level subfolders.
void ScanForIndexFiles(const std::string& folder, std::vector<std::string>& list, int maxDepth, int depth);
