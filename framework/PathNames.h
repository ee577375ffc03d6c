// SPDX-License-Identifier: GPL-3.0-or-later
// File names as text, in the standard library alone, with exactly the results QtCore's QDir and
// QFileInfo give on Linux, so that code which runs without QtCore (pixmora-cli's export) names,
// compares and creates files the same way as the code that has it. Names are bytes in the
// file system's encoding; "/" is the only separator.
//
// Where QtCore is plainly wrong these give the sound answer, and the comment says so: a name
// that starts with ":" is an ordinary file name here, where QtCore takes it for one of the
// program's own resources (a user's file may well be called so), and SymbolicLinkTarget,
// CanonicalFilePath and AbsoluteFilePath without a current folder answer as noted below.
#pragma once

#include <string>
#include <string_view>

// As QDir::cleanPath: "." parts and doubled slashes dropped, "x/.." pairs folded, no trailing
// slash (except for "/"); ".." parts above a relative start are kept, above "/" dropped. A
// relative name that folds away entirely ("a/..", "./") is "."; "" stays "".
std::string CleanPath(std::string_view path);

// As QDir(directory).path(): the directory as given, less one trailing slash ("a//" is "a/",
// "/" stays "/"); "." for "".
std::string DirectoryPath(std::string_view directory);

// As QDir(directory).filePath(name): name itself when absolute, the
// DirectoryPath when name is empty, else name under the DirectoryPath with a slash between
// unless that path already ends in one. Nothing is cleaned.
std::string JoinPath(std::string_view directory, std::string_view name);

// As QFileInfo(path).fileName(): what follows the last slash ("" for "a/").
std::string FileNameOf(std::string_view path);

// As QFileInfo(path).path(): what precedes the last slash ("." when there is none, "/" for a
// file in the root, "" for "").
std::string FolderOf(std::string_view path);

// As QFileInfo(path).absoluteFilePath(): a relative path put under the current directory, then
// cleaned, a trailing slash kept ("a/" is "<current>/a/"); an absolute path that is already
// clean comes back as it is. "" for "". Empty when the current directory cannot be read (where
// QtCore returns the relative name itself).
std::string AbsoluteFilePath(std::string_view path);

// As QFileInfo(path).absolutePath(): the folder of AbsoluteFilePath ("" when that is empty).
std::string AbsoluteFolderOf(std::string_view path);

// As QFileInfo(path).isSymLink(): the name itself is a link ("link/" names what it points at).
bool IsSymbolicLink(const std::string& path);

// As QFileInfo(path).symLinkTarget(): the absolute, cleaned name a symbolic link points at,
// whether or not that exists; empty when path is not a link. A relative target counts from the
// link's folder; QtCore 6.4 puts that folder in twice when the target is a folder and path has
// a folder part ("d/l" -> "sub" gives "<current>/d/d/sub"), this gives "<current>/d/sub".
std::string SymbolicLinkTarget(const std::string& path);

// As QFileInfo(path).canonicalFilePath(): the absolute name with every link resolved; empty
// when the file does not exist, and whenever the name cannot be resolved (a link loop, a folder
// that cannot be searched), where QtCore returns path unchanged.
std::string CanonicalFilePath(const std::string& path);

// As QDir().mkpath(directory): creates the directory and any missing parents (mode 0777 less
// the umask); true when it exists as a directory (or a link to one) afterwards, false for ""
// and when a part is a file. Parts are made as written: "p/../q" makes "p" too.
bool MakePath(const std::string& directory);

#ifdef QT_CORE_LIB
#include <QFile>
#include <QString>

// A name in Qt's text as the file system spells it, and back: what code with QtCore passes to
// these functions and shows of their results.
inline std::string NativeName(const QString& name) { return QFile::encodeName(name).toStdString(); }
inline QString QtName(const std::string& name) { return QFile::decodeName(name.c_str()); }
#endif
