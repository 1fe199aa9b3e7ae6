#include "editor/LocationEditor.h"

#include "base/FileSystem.h"
#include "base/TesselUtils.h"
#include "editor/EditorHost.h"
#include "editor/EditorPrompts.h"
#include "mapdata/LocationsFile.h"

#include <optional>

namespace orvd {

LocationEditor::LocationEditor(EditorHost& host, ProfileStorage* storage)
    : host_(host), storage_(storage) {}

void LocationEditor::FormShow() {
    names_.clear();
    points_.clear();
    selected_ = -1;
    if (NewFile) {
        language_.clear();
    } else {
        names_ = host_.LocationNames();
        points_ = host_.LocationPoints();
        points_.resize(names_.size());
        language_ = host_.LanguageName();
    }
    newLoc_ = false;
    editing_ = false;
    ClearFields();
    ResetButtons();
    ignoreChanges_ = false;
}

std::string LocationEditor::Caption() const {
    return "Edit - " + DataFileName;
}

void LocationEditor::ListBox1Click(int index) {
    if (index < 0 || std::size_t(index) >= names_.size()) {
        return;
    }
    selected_ = index;
    ignoreChanges_ = true;
    editing_ = true;
    newLoc_ = false;
    const Point p = points_[std::size_t(index)];
    name_ = names_[std::size_t(index)];
    x_ = std::to_string(p.x);
    y_ = std::to_string(p.y);
    applyEnabled_ = false;
    deleteEnabled_ = true;
    addEnabled_ = false;
    ignoreChanges_ = false;
    host_.CentreMapOn(p);
}

void LocationEditor::Edit4Change(std::string_view language) {
    language_ = language;
}

void LocationEditor::Edit1Change(std::string_view name) {
    name_ = name;
    if (ignoreChanges_) {
        return;
    }
    if (editing_ && !newLoc_) {
        applyEnabled_ = true;
    }
    addEnabled_ = true;
    deleteEnabled_ = false;
}

void LocationEditor::Edit2Change(std::string_view x, std::string_view y) {
    x_ = x;
    y_ = y;
    if (ignoreChanges_) {
        return;
    }
    if (editing_ && !newLoc_) {
        applyEnabled_ = true;
    }
    deleteEnabled_ = false;
}

// A field set to the text it already holds does not change, so it does not count as typing.
void LocationEditor::PickPoint(Point map) {
    if (std::string x = std::to_string(map.x); x != x_) {
        Edit2Change(x, y_);
    }
    if (std::string y = std::to_string(map.y); y != y_) {
        Edit2Change(x_, y);
    }
}

void LocationEditor::Edit2Enter() {
    host_.SetPickMode(true);
}

void LocationEditor::Edit2Exit() {
    host_.SetPickMode(false);
}

void LocationEditor::Button1Click() {
    ignoreChanges_ = true;
    ClearFields();
    selected_ = -1;
    ResetButtons();
    newLoc_ = true;
    editing_ = false;
    ignoreChanges_ = false;
}

void LocationEditor::Button4Click() {
    if (selected_ < 0) {
        return;
    }
    if (FieldsValid()) {
        names_[std::size_t(selected_)] = name_;
        points_[std::size_t(selected_)] = FieldPoint();
        selected_ = -1; // the item is replaced, and a replaced item is no longer selected
    }
    Detach();
    editing_ = false;
}

void LocationEditor::Button3Click() {
    if (FieldsValid()) {
        names_.push_back(name_);
        points_.push_back(FieldPoint());
    }
    Detach();
    editing_ = false;
}

void LocationEditor::Button2Click() {
    if (selected_ < 0) {
        return;
    }
    names_.erase(names_.begin() + selected_);
    points_.erase(points_.begin() + selected_);
    selected_ = -1;
    Detach(); // Editing keeps its value
}

bool LocationEditor::BitBtn1Click(EditorPrompts& prompts) {
    const std::string language = language_;
    if (language.empty()) {
        prompts.ShowMessage(std::string(kNoLanguageMessage));
        return false;
    }
    // Refused before the user is led through the save dialog and a backup.
    CheckLocationsForSaving(language, names_, points_);
    if (DataFileName.empty()) {
        DataFileName = NewLocationsFileName(host_.MapCode(), language);
    }
    // A full path stays after a save that failed; it is not put under the program folder again.
    const std::string proposed =
        IsAbsolutePath(DataFileName) ? DataFileName : host_.ProgramDirectory() + DataFileName;
    if (const std::optional<std::string> path = prompts.AskSavePath(proposed)) {
        CheckNotBackupPath(*path);
        if (FileExists(*path)) {
            const std::string backup = MakeBackup(*path, storage_);
            if (AskBackup) {
                AskBackup = prompts.ShowBackupNotice(FileNamePart(backup));
            }
        }
        DataFileName = *path;
        SaveLocationsFile(*path, language, names_, points_, storage_);
        if (FileNamePart(DataFileName) == host_.LocationsFile()) {
            host_.LoadNames(DataFileName);
        }
    }
    host_.LoadFileNames(host_.MapCode());
    return true;
}

void LocationEditor::FormClose() {
    host_.SetPickMode(false);
    host_.EditorClosed();
    names_.clear();
    points_.clear();
    selected_ = -1;
}

void LocationEditor::ResetButtons() {
    applyEnabled_ = false;
    deleteEnabled_ = false;
    addEnabled_ = false;
}

void LocationEditor::ClearFields() {
    name_.clear();
    x_.clear();
    y_.clear();
}

void LocationEditor::Detach() {
    ignoreChanges_ = true;
    ClearFields();
    ResetButtons();
    newLoc_ = true;
    ignoreChanges_ = false;
}

bool LocationEditor::FieldsValid() const {
    return !name_.empty() && IsIntegerText(x_) && IsIntegerText(y_);
}

Point LocationEditor::FieldPoint() const {
    return {ParseIntegerText(x_).value_or(0), ParseIntegerText(y_).value_or(0)};
}

} // namespace orvd
