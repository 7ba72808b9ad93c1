#pragma once
// TsysFileOperation: one shell copy, move, delete or rename over a list of file specifications.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "fileops/FileOperationTypes.h"
#include "fileops/FileOperationPlatform_win.h"
#include "framework/SysComponent.h"

// Told the system's text for a failed operation; setting handled has no effect on the result.
using TsysFileOperationEvent = std::function<void(fw::Component& sender, const std::string& s, bool& handled)>;

class TsysFileOperation : public TsysComponent {
public:
    explicit TsysFileOperation(fw::Component* owner);
    ~TsysFileOperation() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    // The caller may edit the list in place; SetFileList copies the given strings.
    std::vector<std::string>& FileList() { return fileList_; }
    const std::vector<std::string>& FileList() const { return fileList_; }
    void SetFileList(std::vector<std::string> list) { fileList_ = std::move(list); }
    const std::string& DestFolder() const { return destFolder_; }
    void SetDestFolder(std::string folder) { destFolder_ = std::move(folder); }
    const std::string& ProgressTitle() const { return progressTitle_; }
    void SetProgressTitle(std::string title) { progressTitle_ = std::move(title); }
    TsysFileOperationType Operation() const { return operation_; }
    void SetOperation(TsysFileOperationType operation) { operation_ = operation; }
    TsysFileOperationFlags Options() const { return options_; }
    void SetOptions(TsysFileOperationFlags options) { options_ = options; }
    const TsysFileOperationEvent& OnError() const { return onError_; }
    void SetOnError(TsysFileOperationEvent handler) { onError_ = std::move(handler); }

    // Whether the user cancelled during the last operation (the shell's aborted flag).
    bool AnyOperationsAborted() const { return aborted_; }

    virtual bool ExecuteOperation(TsysFileOperationType operation);
    virtual void GetErrorText(int code, std::string& text);
    virtual bool DoError(const std::string& s);
    virtual bool Execute();
    bool Copy();

private:
    HWND OwnerWindow() const;

    std::vector<std::string> fileList_;
    std::string destFolder_;
    std::string progressTitle_;
    TsysFileOperationType operation_ = TsysFileOperationType::fotCopy;
    TsysFileOperationFlags options_ = kDefaultFileOperationFlags;
    TsysFileOperationEvent onError_;
    bool aborted_ = false;
};
