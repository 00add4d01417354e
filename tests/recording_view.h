// A window view that records what the commands did, for native tests.
#pragma once

#include <string>
#include <vector>

#include "app/decisions/window_view.h"
#include "engine/tool_model.h"
#include "tests/test_text.h"

namespace kelomed::testing {

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
};

class RecordingView final : public WindowView {
  public:
    std::vector<std::u16string> fields;
    // The chosen item of each choice input, by input index.
    std::vector<int> chosen = std::vector<int>(kMaxInputs, -1);
    std::string result;
    std::string verdictText;
    std::string note;
    std::vector<ShownMessage> messages;
    int focusedField = -1;
    // Whether each input's control is enabled.
    std::vector<bool> enabled = std::vector<bool>(kMaxInputs, true);
    int verdictRedraws = 0;
    int mainRedraws = 0;
    bool clipboardWorks = true;
    std::string clipboard;

    void ReadField(int index, char16_t* text, int capacity) override {
        const std::u16string& value = fields.at(static_cast<std::size_t>(index));
        int i = 0;
        for (; i < capacity - 1 && i < static_cast<int>(value.size()); ++i) {
            text[i] = value[static_cast<std::size_t>(i)];
        }
        text[i] = 0;
    }
    void SetField(int index, const char16_t* text) override {
        fields.at(static_cast<std::size_t>(index)) = text;
    }
    int ReadChoice(int index) override { return chosen.at(static_cast<std::size_t>(index)); }
    void SelectChoice(int index, int item) override {
        chosen.at(static_cast<std::size_t>(index)) = item;
    }
    void SetResultText(const char16_t* text) override { result = Utf8Of(text); }
    void SetVerdictText(const char16_t* text) override { verdictText = Utf8Of(text); }
    void SetNoteText(const char16_t* text) override { note = Utf8Of(text); }
    void ShowMessage(const char16_t* text, const char16_t* caption, MessageIcon icon) override {
        messages.push_back({Utf8Of(text), Utf8Of(caption), icon});
    }
    void EnableInput(int index, bool enable) override {
        enabled.at(static_cast<std::size_t>(index)) = enable;
    }
    void FocusField(int index) override { focusedField = index; }
    void RedrawVerdict() override { ++verdictRedraws; }
    void RedrawMainWindow() override { ++mainRedraws; }
    bool PutOnClipboard(const char16_t* text) override {
        if (clipboardWorks) {
            clipboard = Utf8Of(text);
        }
        return clipboardWorks;
    }
};

}  // namespace kelomed::testing
