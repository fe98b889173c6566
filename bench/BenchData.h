#pragma once

// The data the benchmarks make for themselves in a temporary folder.

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// Folder tails against program names, as a search of an applications folder produces them.
std::vector<std::pair<QString, QString>> RealisticPairs(int count);

// A tree of about files files in folders folders: vendor/product folders holding programs and their
// companions. Returns the number of files made.
int MakeTree(const QString& root, int folders, int filesPerFolder);

// A catalogue of count shortcuts in the group G of the state folder, each to an existing file of the tree,
// with its picture stored.
void MakeCatalogue(const QString& stateDir, const QString& treeRoot, int count);
