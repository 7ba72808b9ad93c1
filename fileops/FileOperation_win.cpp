#include "fileops/FileOperation_win.h"

#include "framework/PartPublisher.h"
#include "fileops/FileOperationRequest.h"
#include "fileops/ShellResultText.h"
#include "framework/WindowOwner_win.h"

namespace {

constexpr int kNoMoreFiles = 18;  // ERROR_NO_MORE_FILES: a failure the component does not report

}  // namespace

TsysFileOperation::TsysFileOperation(fw::Component* owner) : TsysComponent(owner) {}

TsysFileOperation::~TsysFileOperation() = default;

const fw::ClassInfo& TsysFileOperation::StaticClass() {
    static const fw::ClassInfo info = [] {
        fw::ClassInfo ci("TsysFileOperation", &TsysComponent::StaticClass(),
                         [](fw::Component* owner) { return std::make_unique<TsysFileOperation>(owner); });
        using C = TsysFileOperation;
        fw::Publish<C>(ci)
            .Property<std::vector<std::string>>(
                "FileList", [](const C& c) { return c.FileList(); }, &C::SetFileList)
            .Property<std::string>("DestFolder", &C::DestFolder, &C::SetDestFolder)
            .Property<std::string>("ProgressTitle", &C::ProgressTitle, &C::SetProgressTitle)
            .Property<TsysFileOperationType>("Operation", &C::Operation, &C::SetOperation)
            .Property<TsysFileOperationFlags>("Options", &C::Options, &C::SetOptions)
            .Event<TsysFileOperationEvent>("OnError",
                                           [](C& c, TsysFileOperationEvent e) { c.SetOnError(std::move(e)); });
        return ci;
    }();
    return info;
}

HWND TsysFileOperation::OwnerWindow() const {
    auto* window = dynamic_cast<fw::WindowOwner*>(Owner());
    return window ? window->Handle() : nullptr;
}

bool TsysFileOperation::ExecuteOperation(TsysFileOperationType operation) {
    aborted_ = false;
    if (fileList_.empty()) return true;
    HWND owner = OwnerWindow();
    fileops::FileOperationRequest request =
        fileops::BuildFileOperationRequest(fileList_, destFolder_, options_, operation);
    if (!request.error.empty()) {
        DoError(request.error);
        return false;
    }

    SHFILEOPSTRUCTA op{};
    op.hwnd = owner;
    op.wFunc = request.function;
    op.pFrom = request.from.data();
    op.pTo = request.to.data();
    op.fFlags = request.flags;
    op.fAnyOperationsAborted = FALSE;
    op.hNameMappings = nullptr;
    op.lpszProgressTitle = progressTitle_.c_str();
    const int code = fw::Seam<fileops::FileOperationPlatform>::Current().FileOperation(op);
    aborted_ = op.fAnyOperationsAborted != FALSE;

    // A cancel is the user's own choice: a failure, but nothing to report.
    if (aborted_) return false;
    if (code == 0) return true;
    if (code != kNoMoreFiles) {
        std::string text;
        GetErrorText(code, text);
        DoError(text);
    }
    return false;
}

void TsysFileOperation::GetErrorText(int code, std::string& text) {
    text.clear();
    if (code == 0) return;
    // The shell's own codes are no system error codes: the system would give unrelated texts.
    std::optional<std::string> own = fileops::ShellResultText(code);
    text = own ? *own : fw::Seam<fileops::FileOperationPlatform>::Current().SystemMessage(static_cast<DWORD>(code));
}

bool TsysFileOperation::DoError(const std::string& s) {
    bool handled = false;
    if (onError_) onError_(*this, s, handled);
    return handled;
}

bool TsysFileOperation::Execute() { return ExecuteOperation(operation_); }

bool TsysFileOperation::Copy() { return ExecuteOperation(TsysFileOperationType::fotCopy); }
