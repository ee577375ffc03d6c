// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/PathNames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

QString Q(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
std::string S(const QString& text) { return text.toUtf8().toStdString(); }

// Makes a folder the current one for the lifetime of the object.
class InFolder {
public:
    explicit InFolder(const QString& path)
        : m_previous(QDir::currentPath())
    {
        EXPECT_TRUE(QDir::setCurrent(path)) << S(path);
    }
    ~InFolder() { QDir::setCurrent(m_previous); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    QString m_previous;
};

// Every text function on path, and JoinPath of path with each of names.
void ExpectNamesAsQt(const std::string& path, const std::vector<std::string>& names)
{
    const QFileInfo info(Q(path));
    const QDir dir(Q(path));
    EXPECT_EQ(CleanPath(path), S(QDir::cleanPath(Q(path)))) << "CleanPath: [" << path << "]";
    EXPECT_EQ(DirectoryPath(path), S(dir.path())) << "DirectoryPath: [" << path << "]";
    // Qt takes a name that starts with ":" for a resource; to us it is a file like any other,
    // joined as one starting with "_" would be.
    for (const std::string& name : names) {
        std::string joined = S(dir.filePath(Q(name)));
        if (name.starts_with(':')) {
            joined = S(dir.filePath(Q("_" + name.substr(1))));
            joined[joined.size() - name.size()] = ':';
        }
        EXPECT_EQ(JoinPath(path, name), joined) << "JoinPath: [" << path << "] [" << name << "]";
    }
    EXPECT_EQ(FileNameOf(path), S(info.fileName())) << "FileNameOf: [" << path << "]";
    EXPECT_EQ(FolderOf(path), S(info.path())) << "FolderOf: [" << path << "]";
    const QFileInfo file(Q(path.starts_with(':') ? "./" + path : path));
    EXPECT_EQ(AbsoluteFilePath(path), S(file.absoluteFilePath())) << "Absolute: [" << path << "]";
    EXPECT_EQ(AbsoluteFolderOf(path), S(file.absolutePath())) << "AbsFolder: [" << path << "]";
}

const std::vector<std::string> kTrickyNames = { "", ".", "..", "/", "//", "///", "/.", "/..",
    "/../a", "a", "a/", "a//", "a//b", "a/./b", "a/../b", "a/..", "a/../", "./", "./a", "../..",
    "../../a/..", "a/../../b", "/a/b/../../..", "/a/", "/a//", "//a", "a/b/.", "a/b/./", ".a", "a.",
    "...", "a/.../b", "..a/b..", "é/ü", "/é/../ü/", ":", ":a", ":/a/b", ":a/b", "a:b", "ab:c/d",
    "a/:b", "./../.", "x/./../y/." };

TEST(PathNames, TextFunctionsMatchQtOnTrickyAndRandomNames)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    // The root as the current folder shows where joining it doubles a slash.
    for (const QString& current : { scratch.path(), QStringLiteral("/") }) {
        const InFolder in(current);
        for (const std::string& path : kTrickyNames)
            ExpectNamesAsQt(path, kTrickyNames);
    }

    const InFolder in(scratch.path());
    const std::array<const char*, 8> pieces = { "a", "b", "/", ".", "..", "", "é", ":" };
    std::mt19937 random(20261209);
    const auto randomName = [&] {
        std::string name;
        for (int count = int(random() % 9); count > 0; --count)
            name += pieces[random() % pieces.size()];
        return name;
    };
    for (int round = 0; round < 4000 && !testing::Test::HasFailure(); ++round)
        ExpectNamesAsQt(randomName(), { randomName() });

    // Without a current folder Qt answers with the relative name itself, which no caller could
    // tell from an absolute one.
    const QString gone = scratch.filePath(QStringLiteral("gone"));
    ASSERT_TRUE(QDir().mkdir(gone));
    const InFolder inGone(gone);
    ASSERT_EQ(::rmdir(QFile::encodeName(gone).constData()), 0);
    EXPECT_EQ(AbsoluteFilePath("a/b"), "");
    EXPECT_EQ(AbsoluteFolderOf("a/b"), "");
    EXPECT_EQ(AbsoluteFilePath("/a/./b"), "/a/b");
}

TEST(PathNames, LinksAndCanonicalNamesMatchQtOnRealFiles)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const InFolder in(scratch.path());
    const std::string root = S(QDir::currentPath());
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("d/sub")));
    QFile("f").open(QIODevice::WriteOnly);
    const std::map<std::string, std::string> links = { { "rel", "f" }, { "dangling", "missing" },
        { "chain1", "chain2" }, { "chain2", "./rel" }, { "abs", root + "//d/" }, { "d/up", "../f" },
        { "d/todir", "sub" }, { "loop1", "loop2" }, { "loop2", "loop1" } };
    for (const auto& [link, target] : links)
        ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0) << link;

    std::vector<std::string> names = { "", "f", "f/", "d", "d/", "d/sub", "missing", "d/todir/",
        "./d/todir", "abs/sub", "d/../rel" };
    for (const auto& [link, target] : links) {
        names.push_back(link);
        names.push_back(root + "/" + link);
    }
    for (const std::string& name : names) {
        const QFileInfo info(Q(name));
        EXPECT_EQ(IsSymbolicLink(name), info.isSymLink()) << "IsSymbolicLink: [" << name << "]";
        // Where Qt is plainly wrong: it puts a relative link to a folder under the link's
        // folder twice ("d/d/sub"), and calls an unresolvable loop its own canonical name.
        const std::string target
            = name.ends_with("d/todir") ? root + "/d/sub" : S(info.symLinkTarget());
        const bool loop = name.find("loop") != std::string::npos;
        EXPECT_EQ(SymbolicLinkTarget(name), target) << "SymbolicLinkTarget: [" << name << "]";
        EXPECT_EQ(CanonicalFilePath(name), loop ? "" : S(info.canonicalFilePath()))
            << "CanonicalFilePath: [" << name << "]";
    }
}

// Every entry below the current folder with its kind and permissions, links unresolved.
std::string TreeListing()
{
    QStringList listing;
    QDirIterator entries(QStringLiteral("."),
        QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden,
        QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString entry = entries.next();
        struct stat status { };
        ::lstat(QFile::encodeName(entry).constData(), &status);
        listing << entry + ' ' + QString::number(status.st_mode, 8);
    }
    listing.sort();
    return S(listing.join('\n'));
}

TEST(PathNames, MakePathCreatesWhatQtCreates)
{
    std::array<QTemporaryDir, 2> folders;
    for (const QTemporaryDir& folder : folders) {
        ASSERT_TRUE(folder.isValid());
        const InFolder in(folder.path());
        QFile("file").open(QIODevice::WriteOnly);
        ASSERT_TRUE(QDir().mkdir(QStringLiteral("dir")));
        ASSERT_EQ(::symlink("dir", "todir"), 0);
        ASSERT_EQ(::symlink("nowhere", "dangling"), 0);
    }
    const std::string requests[]
        = { "", "x", "x/y/z", "x//w/", "file", "file/sub", "dir", "dir/", "todir/new", "dangling",
              "dangling/new", "./p/../q", ":res", "..", "/", "é/ü///", "@/abs//deep/" };
    for (const std::string& request : requests) {
        const InFolder qtSide(folders[0].path());
        // "@" stands for the side's own folder, for an absolute request.
        const auto inSide = [&request](const QTemporaryDir& side) {
            return request.starts_with('@') ? S(side.path()) + request.substr(1) : request;
        };
        const bool qtMade = QDir().mkpath(Q(inSide(folders[0])));
        const std::string qtTree = TreeListing();
        const InFolder ourSide(folders[1].path());
        EXPECT_EQ(MakePath(inSide(folders[1])), qtMade) << "MakePath: [" << request << "]";
        EXPECT_EQ(TreeListing(), qtTree) << "after MakePath: [" << request << "]";
    }
}

} // namespace
