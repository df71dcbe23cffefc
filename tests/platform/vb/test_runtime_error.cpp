#include <gtest/gtest.h>

#include "vb/runtime_error.h"

namespace {

TEST(RuntimeError, ReportShowsNumberBlankLineAndDescription) {
    EXPECT_EQ(vb::report_text(vb::RuntimeError(6, "Overflow")), "Run-time error '6':\n\nOverflow");
    EXPECT_EQ(vb::report_text(vb::RuntimeError(-2147467259, "Could not find file 'x'.")),
              "Run-time error '-2147467259 (80004005)':\n\nCould not find file 'x'.");
    EXPECT_EQ(vb::report_text(vb::RuntimeError(-2147217900, "near \"x\": syntax error")),
              "Run-time error '-2147217900 (80040e14)':\n\nnear \"x\": syntax error");
}

TEST(RuntimeError, RaiseUsesTheStandardDescriptions) {
    const std::pair<int, const char*> table[] = {
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {9, "Subscript out of range"},
        {13, "Type mismatch"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {68, "Device unavailable"},
        {71, "Disk not ready"},
        {76, "Path not found"},
        {94, "Invalid use of Null"},
    };
    for (const auto& [number, description] : table) {
        try {
            vb::raise(number);
            ADD_FAILURE() << number << " raised nothing";
        } catch (const vb::RuntimeError& error) {
            EXPECT_EQ(error.number(), number);
            EXPECT_EQ(error.description(), description);
        }
    }
}

}  // namespace
