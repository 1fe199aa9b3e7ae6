#pragma once

#include "base/Rect.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvd {

class EditorHost;
class EditorPrompts;
class ProfileStorage;

// The location editor without its widgets: the working list, the four fields, which buttons
// are enabled, and one method per event handler. The dialog shows what this holds and forwards
// its events; texts are 8-bit (Windows-1252) bytes.
//
// The working list (Names() with EditPoints(), same count and order) is a copy: the main
// window's list changes only when Done saves the file it shows and reloads it.
class LocationEditor {
public:
    static constexpr std::string_view kNoLanguageMessage =
        "You have not specified the name of the language";

    // `host` and `storage` (null: ProfileStorage::Default()) must outlive the editor.
    explicit LocationEditor(EditorHost& host, ProfileStorage* storage = nullptr);

    // ---- Opening: File > Edit... sets NewFile false and DataFileName to the shown file's name,
    // File > New... sets NewFile true and DataFileName empty; then the dialog shows.
    bool NewFile = false;
    std::string DataFileName; // a bare name, or the full path once saved
    bool AskBackup = true;    // show the notice after a backup

    // Empties the working list (or copies the main window's), the fields and the buttons.
    void FormShow();
    // "Edit - " + DataFileName.
    std::string Caption() const;

    // ---- Handlers. `index` is the list's selected row, -1 for none.
    void ListBox1Click(int index);
    void Edit4Change(std::string_view language); // stores the text, nothing else
    void Edit1Change(std::string_view name);
    void Edit2Change(std::string_view x, std::string_view y); // X or Y changed
    // A left click on the main view while PickMode is set: X and Y become the point's
    // decimal texts, each that changes counting as typing.
    void PickPoint(Point map);
    void Edit2Enter();
    void Edit2Exit();
    void Button1Click(); // New
    void Button4Click(); // Apply
    void Button3Click(); // Add
    void Button2Click(); // Delete
    // Done. Returns true when the dialog is to close: after saving, and after a cancelled save
    // dialog; false after the missing-language message. Throws orvd::Error for a list that
    // cannot be saved (nothing asked, nothing written), for a chosen name ending in ".da~"
    // (nothing written), and for a failed backup or write (the old file stays whole; the working
    // list is kept).
    bool BitBtn1Click(EditorPrompts& prompts);
    // Every way of closing.
    void FormClose();

    // ---- What the dialog shows.
    const std::vector<std::string>& Names() const { return names_; }
    const std::vector<Point>& EditPoints() const { return points_; }
    int Selected() const { return selected_; }
    const std::string& LanguageText() const { return language_; }
    const std::string& NameText() const { return name_; }
    const std::string& XText() const { return x_; }
    const std::string& YText() const { return y_; }
    bool ApplyEnabled() const { return applyEnabled_; }
    bool AddEnabled() const { return addEnabled_; }
    bool DeleteEnabled() const { return deleteEnabled_; }
    bool NewLoc() const { return newLoc_; }
    bool Editing() const { return editing_; }
    // Set while a handler fills the fields itself; the change handlers then only take the text.
    bool IgnoreChanges() const { return ignoreChanges_; }

private:
    void ResetButtons();
    void ClearFields();
    // After Apply, Add and Delete: the fields emptied, the buttons reset, not tied to a location.
    void Detach();
    bool FieldsValid() const;
    Point FieldPoint() const;

    EditorHost& host_;
    ProfileStorage* storage_;
    std::vector<std::string> names_;
    std::vector<Point> points_;
    int selected_ = -1;
    std::string language_;
    std::string name_;
    std::string x_;
    std::string y_;
    bool newLoc_ = false;
    bool editing_ = false;
    bool ignoreChanges_ = false;
    bool applyEnabled_ = false;
    bool addEnabled_ = false;
    bool deleteEnabled_ = false;
};

} // namespace orvd
