#pragma once
// One grab: confirm, fill the file list, check the source path, show the list, check the source and the data
// folder, copy into a staging folder, check what arrived, put it in place when all of it did, and say how it
// went.
#include <functional>
#include <string>

#include "app/GrabPlatform.h"
#include "app/GrabStaging.h"
#include "fileops/FileOperation_win.h"
#include "framework/Control_win.h"
#include "framework/Dialogs_win.h"

class GrabWorkflow {
public:
    // repaint brings the main window up to date at once, before the copy blocks the thread.
    GrabWorkflow(TsysFileOperation& fileOperation, std::function<void()> repaint);

    // A grab for the pressed button from the folder that readPath gives (read once per mask). The button
    // is enabled again on every way out; an exception reaches the caller after that.
    void Run(fw::Control& button, const std::function<std::string()>& readPath);

private:
    // Checks, copies into the staging folder, verifies and puts the files in place; returns the message that
    // closes the grab.
    std::string CopyFrom(const std::string& folder);
    GrabResult CopyAndVerify(const std::string& folder, const std::string& staging,
                             const std::vector<GrabFile>& expected);
    // Moves the staged files over the data folder's in the planned order, and says how that went.
    std::string PutInPlace(const StagingPlan& plan, const std::string& destination);
    // The grabbed files of the source folder as they are now, or nothing when it cannot be read.
    std::optional<std::vector<GrabFile>> FilesAfterTheCopy(const std::string& folder);
    // Listed names as the messages show them.
    std::vector<std::string> ShownNames(const std::vector<std::string>& names);

    TsysFileOperation& fileOperation_;
    std::function<void()> repaint_;
};
