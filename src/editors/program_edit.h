// The program editor's state: the program, document or folder of a "Run Program / File" action and its
// parameters, stored as one text "program|parameters" (the "|" is written also without parameters).
#pragma once

#include "platform/known_folders.h"
#include "platform/text_code_page.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace flickmark {

// The Browse menu: the folders a file chooser can start in, in order.
struct ProgramLocation {
    std::string_view caption;
    KnownFolder folder;
};
std::span<const ProgramLocation> programLocations();

// Whether a field's text can be stored; `message` tells the user why not.
struct FieldCheck {
    bool ok = true;
    std::string message;
};

class ProgramEdit {
public:
    // The program is the text before the first "|" (leading blanks dropped), the parameters all after it.
    void setAction(std::string_view actionText);
    // Program "|" parameters; while both fields are as setAction filled them, the stored text exactly as it
    // was (a program alone stays without "|").
    std::string actionText() const;
    void clear();

    // The fields as typed; the program may hold %NAME% references, expanded only at launch.
    void setProgram(std::string program) { program_ = std::move(program); }
    void setParameters(std::string parameters) { parameters_ = std::move(parameters); }
    const std::string& program() const { return program_; }
    const std::string& parameters() const { return parameters_; }

    // The program cannot hold "|", which separates it from the parameters in the stored text.
    FieldCheck checkProgram() const;
    // Nor can the parameters take one: the stored text ends them there, so the rest would never reach the
    // program. Parameters stored with one already are kept as they were; the check passes with a note then.
    FieldCheck checkParameters() const;
    // Both fields, the program's first: what the page shows under them, and whether the text can be stored.
    FieldCheck check() const;
    // What Next asks: check() and, besides, a program (parameters alone would start nothing).
    FieldCheck checkForNext() const;
    // What the page shows under the fields while the check has nothing to say: that the gesture file will be
    // saved as Unicode when a field holds a character the code page cannot (see ini_encoding.h); else "".
    std::string encodingNote(const TextCodePage& codePage) const;

    // The folder a Browse menu item starts the file chooser in; "" when the system cannot name it (the
    // chooser then starts where it likes).
    static std::string startFolder(KnownFolders& folders, const ProgramLocation& location) {
        return folders.path(location.folder);
    }
    // A file picked in the chooser replaces the program.
    void chooseFile(std::string path) { program_ = std::move(path); }

private:
    std::string program_;
    std::string parameters_;
    struct Stored {
        std::string text, program, parameters; // as the last setAction found them
    };
    std::optional<Stored> stored_;
};

} // namespace flickmark
