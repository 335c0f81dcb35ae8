#pragma once

#include <QStringList>

// The files a start names, as full paths in the given order. Quenvo has no
// options: a word that looks like one, or a path that is no file, is left
// out as an unsupported name is; relative paths are read from the current
// folder.
QStringList StartFiles(const QStringList& words);

// The same files as URIs, as another start is handed them.
QStringList FileUris(const QStringList& files);

// The local files among URIs handed over by another start; other URIs and
// paths that are no file are left out.
QStringList FilesOfUris(const QStringList& uris);
