#include "editors/embedded_editors.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace flickmark {
namespace {

// An editor that fails stops the making of the others, and the window refuses to open with one line.
TEST(EmbeddedEditors, AWindowOpensOnlyWhenEveryEditorWasMade) {
    const struct {
        int failing; // index of the editor that throws; -1: none
        bool standardError;
        const char* made;
        const char* refusal; // nullptr: it opens
    } table[] = {
        {-1, true, "abcd", nullptr},
        {0, true, "",
         "The wizard does not open: it could not create the a editor: CreateDialogParamW: failed"},
        {2, true, "ab",
         "The wizard does not open: it could not create the c editor: CreateDialogParamW: failed"},
        {3, false, "abc", "The wizard does not open: it could not create the d editor: unknown error"},
    };
    for (const auto& row : table) {
        EmbeddedEditors editors;
        std::string made;
        for (int i = 0; i < 4; ++i) {
            const std::string name(1, static_cast<char>('a' + i));
            editors.make(name, [&] {
                if (i == row.failing) {
                    if (row.standardError)
                        throw std::runtime_error("CreateDialogParamW: failed");
                    throw 42;
                }
                made += name;
            });
        }
        EXPECT_EQ(made, row.made) << row.failing;
        EXPECT_EQ(editors.complete(), row.refusal == nullptr) << row.failing;
        EXPECT_EQ(editors.openingRefusal("wizard"),
                  row.refusal ? std::optional<std::string>(row.refusal) : std::nullopt)
            << row.failing;
    }
}

} // namespace
} // namespace flickmark
