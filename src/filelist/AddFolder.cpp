// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/AddFolder.h"

#include "core/ErrorNumbers.h"
#include "core/ErrorReport.h"
#include "core/Failure.h"
#include "core/PathHelpers.h"
#include "core/StepReporter.h"
#include "filelist/EventPacer.h"
#include "filelist/NameOrder.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <optional>

namespace brindlecast {

namespace {

// Hidden system folders, and hidden system junctions; compared with the whole attribute word.
constexpr int kHiddenSystemFolder = AttributeDirectory | AttributeSystem | AttributeHidden;
constexpr int kHiddenSystemJunction = kHiddenSystemFolder | AttributeReparsePoint;

bool isListingRefused(int number)
{
    return number == int(ErrorNumber::PermissionDenied) || number == int(ErrorNumber::PathNotFound);
}

// What the scan reads of one folder: its attribute word, and its entries through one handle.
struct FolderObject {
    QString path;
    int attributes = 0;
    bool isRoot = false;
    FolderContents contents;
};

bool isRootPath(const QString& path)
{
    return !path.isEmpty() &&
           std::all_of(path.begin(), path.end(), [](QChar c) { return c == kNativeSeparator; });
}

// The folder's attribute word as its path shows it; a path that is no folder is not found.
int folderAttributes(const FileSystem& fileSystem, const QString& path)
{
    int attributes = 0;
    try {
        attributes = fileSystem.attributes(path);
    } catch (const Failure& failure) {
        if (!hasNumber(failure, ErrorNumber::FileNotFound))
            throw;
    }
    if ((attributes & AttributeDirectory) == 0)
        throw makeFailure(ErrorNumber::PathNotFound);
    return attributes;
}

// Sorts what a folder's handle showed into name order, pacing as it goes.
void sortContents(FolderContents& contents, EventPacer& pace)
{
    sortByName(
        contents.subfolders, [](const SubfolderEntry& entry) { return QStringView(entry.name); },
        pace.ticker());
    sortByName(
        contents.files, [](const FileEntry& entry) { return QStringView(entry.name); },
        pace.ticker());
}

// Reads the folder once: its files are kept with the entry whatever the scan decides about its
// subfolders, as the folder's own files are listed even when it does not qualify.
FolderContents readContents(ScanSession& scan, ScannedFolder& entry)
{
    FolderContents contents =
        scan.fileSystem.readFolder(entry.path, scan.filePattern, entry.lead, scan.pace.ticker());
    sortContents(contents, scan.pace);
    scan.undecodableNames += contents.undecodableNames;
    entry.filesRead = true;
    entry.filesError = contents.error;
    entry.filesSystemError = contents.systemError;
    entry.files = std::move(contents.files);
    contents.files.clear();
    return contents;
}

FolderObject getFolder(ScanSession& scan, ScannedFolder& entry)
{
    FolderContents contents = readContents(scan, entry);
    const int attributes = folderAttributes(scan.fileSystem, entry.path);
    return {entry.path, attributes, isRootPath(entry.path), std::move(contents)};
}

// The folder object of a step whose retrieval failed is not there.
const FolderObject& require(const std::optional<FolderObject>& folder)
{
    if (!folder)
        throw makeFailure(ErrorNumber::ObjectNotSet);
    return *folder;
}

// Whether a folder is examined and kept: hidden system folders and junctions are not.
bool qualifies(int attributes, bool isRoot)
{
    return isRoot || (attributes != kHiddenSystemFolder && attributes != kHiddenSystemJunction);
}

// What examining an entry found out about it, so that the level above need not test it again.
enum class Verdict { Untested, Refused, Qualified };

bool isSkippedName(const QString& name)
{
    return name.size() >= kMaxPathChars || HasUnsafeCharacters(name) || name.contains(u'?') ||
           name == u"." || name == u"..";
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

// Collects the subfolders that the folder's handle showed, each folder once per scan.
void collectSubfolders(ScanSession& scan, const ScannedFolder& entry,
                       const FolderContents& contents, FolderList& found)
{
    for (const SubfolderEntry& subfolder : contents.subfolders) {
        scan.pace();
        if (isSkippedName(subfolder.name) || scan.seen.contains(subfolder.identity))
            continue;
        scan.seen.insert(subfolder.identity);
        found.append({entry.path + subfolder.name + kNativeSeparator,
                      FolderLead{subfolder.identity, subfolder.isLink},
                      false,
                      0,
                      0,
                      {}});
    }
}

// Examines one entry, reading its files, and collects its subfolders into `found`.
void examineEntry(ScanSession& scan, ScannedFolder& entry, EntrySteps& steps, FolderList& found,
                  Verdict& verdict)
{
    if (!steps.check(108, [&] { return scan.fileSystem.isFolder(entry.path); })) {
        verdict = Verdict::Refused;
        return;
    }
    if (!steps.check(110, [&] { return entry.path.size() < kMaxPathChars; }))
        return;
    std::optional<FolderObject> folder;
    steps.run(112, [&] { folder = getFolder(scan, entry); });
    steps.run(114, [&] { scan.pace(); });
    if (!steps.check(116, [&] {
            const FolderObject& object = require(folder);
            const bool qualified = qualifies(object.attributes, object.isRoot);
            verdict = qualified ? Verdict::Qualified : Verdict::Refused;
            return qualified;
        }))
        return;

    steps.armListingRule();
    const FolderContents& contents = require(folder).contents;
    if (!isListingRefused(contents.error)) {
        // The caller's own folders count as met, so that no link leads back into them.
        scan.seen.insert(contents.identity);
        collectSubfolders(scan, entry, contents, found);
    }
    // A refusal goes to the listing rule, which takes the folder out of the list. Any other
    // failure (contents.systemError) just ends this entry's listing with what it found: its
    // number is the system's, which the rule must not read as one of its own.
    if (contents.error != 0)
        throw listingFailure(contents.error, contents.systemError);
}

// One level of the scan. `verdicts` receives, for each entry of `folders` that stays in it, what
// examining the entry found; the entries that the level appends follow without a verdict.
void scanLevel(ScanSession& scan, FolderList& folders, QList<Verdict>& verdicts)
{
    StepReporter steps(scan.errorBox,
                       addFolderLocationText(QStringLiteral("GetSubDirectories2016")));
    FolderList found;
    EntrySteps entrySteps(steps);
    verdicts = QList<Verdict>(folders.size(), Verdict::Untested);

    for (qsizetype i = 0; i < folders.size();) {
        const QString entry = folders[i].path;
        try {
            examineEntry(scan, folders[i], entrySteps, found, verdicts[i]);
        } catch (const Failure& failure) {
            // The listing rule: a folder that cannot be listed leaves the list, so that none of
            // its files are added; the entry that followed it is examined next.
            const auto first =
                std::find_if(folders.cbegin(), folders.cend(),
                             [&](const ScannedFolder& f) { return f.path == entry; });
            const qsizetype at = first - folders.cbegin();
            if (isListingRefused(failure.number()) && at < folders.size() && at <= i) {
                folders.removeAt(at);
                verdicts.removeAt(at);
                continue;
            }
        } catch (const std::exception&) {
            // Any other failure ends this entry's listing; what it found so far stays.
        }
        ++i;
    }

    QList<Verdict> foundVerdicts(found.size(), Verdict::Untested);
    if (!found.isEmpty())
        steps.run(150, [&] { scanLevel(scan, found, foundVerdicts); });

    // The level below has just examined the folders found here, and appended its own ones after
    // testing them the same way; only what it could not tell is tested again.
    for (qsizetype i = 0; i < found.size(); ++i) {
        const QString& path = found[i].path;
        const Verdict verdict = i < foundVerdicts.size() ? foundVerdicts[i] : Verdict::Qualified;
        if (verdict == Verdict::Refused)
            continue;
        if (verdict == Verdict::Untested) {
            if (!steps.check(152, [&] { return scan.fileSystem.isFolder(path); }))
                continue;
            steps.run(154, [&] { scan.pace(); });
            std::optional<int> attributes;
            steps.run(156, [&] { attributes = folderAttributes(scan.fileSystem, path); });
            if (!steps.check(158, [&] {
                    if (!attributes)
                        throw makeFailure(ErrorNumber::ObjectNotSet);
                    return qualifies(*attributes, isRootPath(path));
                }))
                continue;
        }
        steps.run(160, [&] { folders.append(std::move(found[i])); });
    }
}

} // namespace

QString NameArray::at(int index) const
{
    if (index == 0 && m_names.isEmpty())
        return QString();
    if (index < 1 || index > highestIndex())
        throw makeFailure(ErrorNumber::SubscriptOutOfRange);
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
    FolderContents contents = fileSystem.readFolder(searched, pattern, std::nullopt, {});
    if (contents.systemError != 0 ||
        (contents.error != 0 && contents.error != int(ErrorNumber::PathNotFound)))
        throw listingFailure(contents.error, contents.systemError);
    sortByName(contents.files, [](const FileEntry& entry) { return QStringView(entry.name); }, {});
    QStringList names;
    for (const FileEntry& file : std::as_const(contents.files)) {
        if (file.accessible)
            names.append(file.name);
    }
    return NameArray(std::move(names));
}

void readFolderFiles(ScanSession& scan, ScannedFolder& folder)
{
    if (!folder.filesRead)
        readContents(scan, folder);
}

void GetSubDirectories2016(ScanSession& scan, FolderList& folders)
{
    QList<Verdict> verdicts;
    scanLevel(scan, folders, verdicts);
}

} // namespace brindlecast
