#include "filelist/AddFolder.h"

#include "core/ErrorNumbers.h"
#include "core/ErrorReport.h"
#include "core/Failure.h"
#include "core/PathHelpers.h"
#include "core/StepReporter.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <optional>

namespace brindlecast {

namespace {

constexpr qint64 kPumpIntervalMs = 10;
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
    int attributes = 0;
    try {
        attributes = fileSystem.attributes(path);
    } catch (const Failure& failure) {
        if (!hasNumber(failure, ErrorNumber::FileNotFound))
            throw;
    }
    if ((attributes & AttributeDirectory) == 0)
        throw makeFailure(ErrorNumber::PathNotFound);
    return {path, attributes, isRootPath(path)};
}

// The folder object of a step whose retrieval failed is not there.
const FolderObject& require(const std::optional<FolderObject>& folder)
{
    if (!folder)
        throw makeFailure(ErrorNumber::ObjectNotSet);
    return *folder;
}

// Where a folder entry comes from: the caller (the chosen or dropped folder), or the scan.
enum class Origin { Caller, Scan };

// Whether a folder is examined and kept. Links to folders are followed where the caller names
// them, never where the scan meets them: a link back up the tree would make it run away.
bool qualifies(const FolderObject& folder, Origin origin)
{
    if (folder.isRoot)
        return true;
    if (origin == Origin::Scan && (folder.attributes & AttributeReparsePoint) != 0)
        return false;
    return folder.attributes != kHiddenSystemFolder && folder.attributes != kHiddenSystemJunction;
}

// What examining an entry found out about it, so that the level above need not test it again.
enum class Verdict { Untested, Refused, Qualified };

bool isSkippedName(const QString& name)
{
    return name.size() >= kMaxPathChars || HasUnsafeCharacters(name) || name.contains(u'?') ||
           name == u"." || name == u"..";
}

// Lets the window process pending events while one scan works. Each pump costs a few
// microseconds even when nothing is pending, which the scan's many pumps would add up to a large
// part of its time; pumping at most every few milliseconds keeps the window just as responsive.
// The first pump of a scan always happens.
class EventPump {
public:
    void operator()()
    {
        if (m_sinceLastPump.isValid() && m_sinceLastPump.elapsed() < kPumpIntervalMs)
            return;
        QCoreApplication::processEvents();
        m_sinceLastPump.start();
    }

private:
    QElapsedTimer m_sinceLastPump;
};

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
void examineEntry(const FileSystem& fileSystem, const QString& entry, Origin origin,
                  EntrySteps& steps, EventPump& pumpEvents, QStringList& found, Verdict& verdict)
{
    if (!steps.check(108, [&] { return fileSystem.isFolder(entry); })) {
        verdict = Verdict::Refused;
        return;
    }
    if (!steps.check(110, [&] { return entry.size() < kMaxPathChars; }))
        return;
    std::optional<FolderObject> folder;
    steps.run(112, [&] { folder = getFolder(fileSystem, entry); });
    steps.run(114, [&] { pumpEvents(); });
    if (!steps.check(116, [&] {
            const bool qualified = qualifies(require(folder), origin);
            verdict = qualified ? Verdict::Qualified : Verdict::Refused;
            return qualified;
        }))
        return;

    steps.armListingRule();
    const FolderListing listing = fileSystem.subfolders(require(folder).path);
    for (const QString& name : listing.names) {
        pumpEvents();
        if (!isSkippedName(name))
            found.append(entry + name + kNativeSeparator);
    }
    if (listing.error != 0)
        throw Failure(listingFailureText(listing.error), listing.error);
}

bool isListingRefused(int number)
{
    return number == int(ErrorNumber::PermissionDenied) || number == int(ErrorNumber::PathNotFound);
}

// One level of the scan. `verdicts` receives, for each entry of `folders` that stays in it, what
// examining the entry found; the entries that the level appends follow without a verdict.
void scanLevel(const FileSystem& fileSystem, ErrorBox& errorBox, QStringList& folders, bool recurse,
               Origin origin, EventPump& pumpEvents, QList<Verdict>& verdicts)
{
    StepReporter steps(errorBox, addFolderLocationText(QStringLiteral("GetSubDirectories2016")));
    QStringList found;
    EntrySteps entrySteps(steps);
    verdicts = QList<Verdict>(folders.size(), Verdict::Untested);

    for (qsizetype i = 0; i < folders.size();) {
        const QString entry = folders[i];
        try {
            examineEntry(fileSystem, entry, origin, entrySteps, pumpEvents, found, verdicts[i]);
        } catch (const Failure& failure) {
            // The listing rule: a folder that cannot be listed leaves the list, so that none of
            // its files are added; the entry that followed it is examined next.
            const qsizetype at = folders.indexOf(entry);
            if (isListingRefused(failure.number()) && at >= 0 && at <= i) {
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
    if (recurse && !found.isEmpty()) {
        steps.run(150, [&] {
            scanLevel(fileSystem, errorBox, found, true, Origin::Scan, pumpEvents, foundVerdicts);
        });
    }

    // The level below has just examined the folders found here, and appended its own ones after
    // testing them the same way; only what it could not tell is tested again.
    for (qsizetype i = 0; i < found.size(); ++i) {
        const QString& path = found[i];
        const Verdict verdict = i < foundVerdicts.size() ? foundVerdicts[i] : Verdict::Qualified;
        if (verdict == Verdict::Refused)
            continue;
        if (verdict == Verdict::Untested) {
            if (!steps.check(152, [&] { return fileSystem.isFolder(path); }))
                continue;
            steps.run(154, [&] { pumpEvents(); });
            std::optional<FolderObject> folder;
            steps.run(156, [&] { folder = getFolder(fileSystem, path); });
            if (!steps.check(158, [&] { return qualifies(require(folder), Origin::Scan); }))
                continue;
        }
        steps.run(160, [&] { folders.append(path); });
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
    const FolderListing listing = fileSystem.matchingFiles(searched, pattern);
    if (listing.error != 0 && listing.error != int(ErrorNumber::PathNotFound))
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
    EventPump pumpEvents;
    QList<Verdict> verdicts;
    scanLevel(fileSystem, errorBox, folders, recurse, Origin::Caller, pumpEvents, verdicts);
}

} // namespace brindlecast
