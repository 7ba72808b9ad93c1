#include "app/GrabWorkflow_win.h"

#include "app/GrabPlan.h"
#include "app/GrabSourceCheck.h"
#include "app/GrabStaging.h"

namespace {

GrabPlatform& FileSystem() { return fw::Seam<GrabPlatform>::Current(); }

// Keeps the pressed button disabled for the scope, so that it is enabled again however the grab ends.
class DisabledScope {
public:
    explicit DisabledScope(fw::Control& button) : button_(button) { button_.SetEnabled(false); }
    ~DisabledScope() { button_.SetEnabled(true); }
    DisabledScope(const DisabledScope&) = delete;
    DisabledScope& operator=(const DisabledScope&) = delete;

private:
    fw::Control& button_;
};

// Collects the system's error text of the copy, passing it on to the handler that was set before, which is
// put back at the end of the scope.
class ErrorCapture {
public:
    ErrorCapture(TsysFileOperation& fileOperation, std::string& text)
        : fileOperation_(fileOperation), previous_(fileOperation.OnError()) {
        fileOperation_.SetOnError([this, &text](fw::Component& sender, const std::string& s, bool& handled) {
            text += s;
            if (previous_) previous_(sender, s, handled);
        });
    }
    ~ErrorCapture() { fileOperation_.SetOnError(std::move(previous_)); }
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

private:
    TsysFileOperation& fileOperation_;
    TsysFileOperationEvent previous_;
};

// Points the copy at the staging folder for the scope. The data folder is put back unless someone chose
// another one meanwhile.
class DestinationScope {
public:
    DestinationScope(TsysFileOperation& fileOperation, const std::string& staging)
        : fileOperation_(fileOperation), previous_(fileOperation.DestFolder()), staging_(staging) {
        fileOperation_.SetDestFolder(staging_);
    }
    ~DestinationScope() {
        if (fileOperation_.DestFolder() == staging_) fileOperation_.SetDestFolder(previous_);
    }
    DestinationScope(const DestinationScope&) = delete;
    DestinationScope& operator=(const DestinationScope&) = delete;

private:
    TsysFileOperation& fileOperation_;
    std::string previous_;
    std::string staging_;
};

}  // namespace

GrabWorkflow::GrabWorkflow(TsysFileOperation& fileOperation, std::function<void()> repaint)
    : fileOperation_(fileOperation), repaint_(std::move(repaint)) {}

void GrabWorkflow::Run(fw::Control& button, const std::function<std::string()>& readPath) {
    if (!fw::Dialogs().ConfirmWarning(std::string(kGrabConfirmation))) return;

    std::vector<std::string>& list = fileOperation_.FileList();
    list.clear();
    GrabSource source = ReadGrabSource(readPath);
    list = source.entries;
    // Judged before the list is shown: a path that cannot be copied as listed never reaches a message box.
    if (std::optional<std::string> refusal = GrabSourceRefusal(source)) {
        fw::Dialogs().ShowMessage(*refusal);
        return;
    }

    std::string closing;
    {
        DisabledScope disabled(button);
        fw::Dialogs().ShowMessage(GrabListMessage(list));
        if (repaint_) repaint_();
        closing = CopyFrom(source.folder);
    }
    fw::Dialogs().ShowMessage(closing);
}

std::string GrabWorkflow::CopyFrom(const std::string& folder) {
    // The shell reports none of these, and with a single matching file it would even make a file of the
    // missing data folder: so they are checked here, before anything is copied.
    std::optional<std::vector<GrabFile>> listing;
    if (FileSystem().FolderExists(folder)) listing = FileSystem().ListFiles(folder);
    if (!listing) return UnreachableSourceMessage(folder);
    const std::vector<GrabFile> expected = FilesToGrab(*listing);
    if (expected.empty()) return NoFilesToGrabMessage(folder);
    const std::string destination = fileOperation_.DestFolder();
    if (!FileSystem().FolderExists(destination) && !FileSystem().CreateFolder(destination))
        return DestinationNotCreatedMessage(destination);

    const StagingPlan plan = PlanStaging(destination, expected);
    const std::optional<std::uint64_t> free = FileSystem().FreeSpace(destination);
    if (free && plan.bytes > *free) return NotEnoughSpaceMessage(destination, plan.bytes, *free);
    // A staging folder that is still there was left by a grab that was ended before it could remove it.
    if (!FileSystem().RemoveFolder(plan.folder) || !FileSystem().CreateFolder(plan.folder))
        return StagingNotReadyMessage(plan.folder);
    const GrabResult result = CopyAndVerify(folder, plan.folder, expected);
    std::string closing = MayPutInPlace(result) ? PutInPlace(plan, destination) : GrabResultMessage(result);
    FileSystem().RemoveFolder(plan.folder);
    return closing;
}

GrabResult GrabWorkflow::CopyAndVerify(const std::string& folder, const std::string& staging,
                                       const std::vector<GrabFile>& expected) {
    GrabResult result;
    result.expected = expected.size();
    {
        ErrorCapture capture(fileOperation_, result.shellError);
        DestinationScope into(fileOperation_, staging);
        fileOperation_.Copy();
        result.cancelled = fileOperation_.AnyOperationsAborted();
    }
    // The copy's result is not the judge: the shell fails quietly or with codes of its own when every file
    // arrived, and reports success when it skipped a file in use. What is in the staging folder decides.
    const ArrivalCheck check = CheckArrivals(expected, FilesAfterTheCopy(folder), [&](const std::string& name) {
        return FileSystem().FileInfo(staging, name);
    });
    result.notCopied = ShownNames(check.notCopied);
    result.changed = ShownNames(check.changed);
    return result;
}

std::string GrabWorkflow::PutInPlace(const StagingPlan& plan, const std::string& destination) {
    // Every file is on the disk before the first move, so that the moves, the only time the data folder holds
    // old and new files side by side, follow each other closely.
    for (const std::string& name : plan.moves) FileSystem().WriteThrough(plan.folder, name);
    // A file another program holds would stop the moves part-way: nothing is moved while one is held. Asked
    // last, so that little time is left for a program to open one.
    std::vector<std::string> inUse;
    for (const std::string& name : plan.moves)
        if (FileSystem().InUse(destination, name)) inUse.push_back(name);
    if (!inUse.empty()) return InUseMessage(ShownNames(inUse), plan.moves.size());
    for (std::size_t moved = 0; moved < plan.moves.size(); ++moved) {
        const std::string error = FileSystem().MoveOver(plan.folder, destination, plan.moves[moved]);
        if (!error.empty()) return PartlyInPlaceMessage(ShownNames(plan.moves), moved, error);
    }
    return std::string(kGrabComplete);
}

std::vector<std::string> GrabWorkflow::ShownNames(const std::vector<std::string>& names) {
    std::vector<std::string> shown;
    shown.reserve(names.size());
    for (const std::string& name : names) shown.push_back(FileSystem().ShownName(name));
    return shown;
}

std::optional<std::vector<GrabFile>> GrabWorkflow::FilesAfterTheCopy(const std::string& folder) {
    std::optional<std::vector<GrabFile>> listing = FileSystem().ListFiles(folder);
    if (listing) listing = FilesToGrab(*listing);
    return listing;
}
