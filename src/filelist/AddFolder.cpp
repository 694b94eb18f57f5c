#include "filelist/AddFolder.h"

#include "core/ErrorReport.h"
#include "core/Failure.h"
#include "core/PathHelpers.h"
#include "core/StepReporter.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

namespace brindlecast {

namespace {

constexpr int kSubscriptOutOfRange = 9;
constexpr int kObjectNotSet = 91;
// Hidden system folders, and hidden system junctions; compared with the whole attribute word.
constexpr int kHiddenSystemFolder = AttributeDirectory | AttributeSystem | AttributeHidden;
constexpr int kHiddenSystemJunction = kHiddenSystemFolder | AttributeReparsePoint;

// What the scan reads of one folder.
struct FolderObject {
    QString path;
    int attributes = 0;
    bool isRoot = false;
};

bool isRootPath(const QString& path)
{
    return !path.isEmpty() &&
           std::all_of(path.begin(), path.end(), [](QChar c) { return c == kNativeSeparator; });
}

FolderObject getFolder(const FileSystem& fileSystem, const QString& path)
{
    if (!fileSystem.isFolder(path))
        throw Failure(listingFailureText(kPathNotFound), kPathNotFound);
    return {path, fileSystem.attributes(path), isRootPath(path)};
}

// The folder object of a step whose retrieval failed is not there.
const FolderObject& require(const std::optional<FolderObject>& folder)
{
    if (!folder)
        throw Failure(QStringLiteral("Object variable or With block variable not set"),
                      kObjectNotSet);
    return *folder;
}

bool qualifies(const FolderObject& folder)
{
    return (folder.attributes != kHiddenSystemFolder &&
            folder.attributes != kHiddenSystemJunction) ||
           folder.isRoot;
}

bool isSkippedName(const QString& name)
{
    return name.size() >= kMaxPathChars || HasUnsafeCharacters(name) || name.contains(u'?') ||
           name == u"." || name == u"..";
}

// A link to a folder is not followed; an entry that vanished meanwhile is not collected either.
bool isFollowedSubfolder(const FileSystem& fileSystem, const QString& path)
{
    try {
        return (fileSystem.attributes(path) & AttributeReparsePoint) == 0;
    } catch (const std::exception&) {
        return false;
    }
}

void pumpEvents()
{
    QCoreApplication::processEvents();
}

// The steps of one entry: their failures show the error box until a first entry has qualified;
// from then on they pass to the listing rule of the scan.
class EntrySteps {
public:
    explicit EntrySteps(StepReporter& steps) : m_steps(steps) {}

    void armListingRule() { m_listingRule = true; }

    template <typename Action> void run(int locationNumber, Action&& action)
    {
        if (m_listingRule)
            action();
        else
            m_steps.run(locationNumber, action);
    }

    template <typename Test> bool check(int locationNumber, Test&& test)
    {
        return m_listingRule ? test() : m_steps.check(locationNumber, test);
    }

private:
    StepReporter& m_steps;
    bool m_listingRule = false;
};

// Examines one entry and collects its subfolders into `found`.
void examineEntry(const FileSystem& fileSystem, const QString& entry, EntrySteps& steps,
                  QStringList& found)
{
    if (!steps.check(108, [&] { return fileSystem.isFolder(entry); }))
        return;
    if (!steps.check(110, [&] { return entry.size() < kMaxPathChars; }))
        return;
    std::optional<FolderObject> folder;
    steps.run(112, [&] { folder = getFolder(fileSystem, entry); });
    steps.run(114, pumpEvents);
    if (!steps.check(116, [&] { return qualifies(require(folder)); }))
        return;

    steps.armListingRule();
    const FolderListing listing = fileSystem.subfolders(require(folder).path);
    for (const QString& name : listing.names) {
        pumpEvents();
        if (isSkippedName(name))
            continue;
        const QString path = entry + name;
        if (isFollowedSubfolder(fileSystem, path))
            found.append(path + kNativeSeparator);
    }
    if (listing.error != 0)
        throw Failure(listingFailureText(listing.error), listing.error);
}

bool isListingRefused(int number)
{
    return number == kPermissionDenied || number == kPathNotFound;
}

} // namespace

QString NameArray::at(int index) const
{
    if (index == 0 && m_names.isEmpty())
        return QString();
    if (index < 1 || index > highestIndex())
        throw Failure(QStringLiteral("Subscript out of range"), kSubscriptOutOfRange);
    return m_names[index - 1];
}

bool HasUnsafeCharacters(const QString& name)
{
    return std::any_of(name.begin(), name.end(), [](QChar c) {
        const char16_t code = c.unicode();
        return code < 32 || (code >= 127 && code <= 159) || code == u'?';
    });
}

bool FileIsAccessible(const FileSystem& fileSystem, const QString& path)
{
    try {
        return fileSystem.isAccessibleFile(path);
    } catch (const std::exception&) {
        return false;
    }
}

NameArray ListMatchingFiles(const FileSystem& fileSystem, const QString& folder,
                            const QString& pattern)
{
    const QString searched = folder.endsWith(kNativeSeparator) ? folder : folder + kNativeSeparator;
    const FolderListing listing = fileSystem.matchingFiles(searched, pattern);
    if (listing.error != 0 && listing.error != kPathNotFound)
        throw Failure(listingFailureText(listing.error), listing.error);
    QStringList names;
    for (const QString& name : listing.names) {
        if (FileIsAccessible(fileSystem, searched + name))
            names.append(name);
    }
    return NameArray(std::move(names));
}

void GetSubDirectories2016(const FileSystem& fileSystem, ErrorBox& errorBox, QStringList& folders,
                           bool recurse)
{
    StepReporter steps(errorBox, addFolderLocationText(QStringLiteral("GetSubDirectories2016")));
    QStringList found;
    EntrySteps entrySteps(steps);

    for (qsizetype i = 0; i < folders.size();) {
        const QString entry = folders[i];
        try {
            examineEntry(fileSystem, entry, entrySteps, found);
        } catch (const Failure& failure) {
            // The listing rule: a folder that cannot be listed leaves the list, so that none of
            // its files are added; the entry that followed it is examined next.
            const qsizetype at = folders.indexOf(entry);
            if (isListingRefused(failure.number()) && at >= 0 && at <= i) {
                folders.removeAt(at);
                continue;
            }
        } catch (const std::exception&) {
            // Any other failure ends this entry's listing; what it found so far stays.
        }
        ++i;
    }

    if (recurse && !found.isEmpty())
        steps.run(150, [&] { GetSubDirectories2016(fileSystem, errorBox, found, true); });

    for (const QString& path : std::as_const(found)) {
        if (!steps.check(152, [&] { return fileSystem.isFolder(path); }))
            continue;
        steps.run(154, pumpEvents);
        std::optional<FolderObject> folder;
        steps.run(156, [&] { folder = getFolder(fileSystem, path); });
        if (steps.check(158, [&] { return qualifies(require(folder)); }))
            steps.run(160, [&] { folders.append(path); });
    }
}

} // namespace brindlecast
