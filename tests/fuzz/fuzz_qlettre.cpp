// The letter store driven by a sequence of operations read from the input (add, set, clear,
// find, select, free, messages), checked against a plain model of the lists after every step:
// same lettrages in the same order, same values, first match found, nothing leaked.

#include "qlettre.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Letter
{
    short lettrage;
    short select;
    std::optional<std::string> value;
};

struct Message
{
    short lettrage;
    short type;
    std::optional<std::string> text;
};

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckLetters(structLettre* head, const std::vector<Letter>& model)
{
    std::size_t index = 0;
    for (structLettre* letter = VaPremiereLettre(head); !FinListeLettre(letter);
         letter = VaLettreSuivante(letter), ++index) {
        Check(index < model.size());
        Check(letter->lettrage == model[index].lettrage);
        Check(letter->select == model[index].select);
        const char* value = LitValeurLettre(letter);
        Check((value != nullptr) == model[index].value.has_value());
        if (value)
            Check(*model[index].value == value);
    }
    Check(index == model.size());
}

void CheckMessages(structMessage* head, const std::vector<Message>& model)
{
    std::size_t index = 0;
    for (structMessage* message = VaPremierMessage(head); !FinListeMessage(message);
         message = VaMessageSuivant(message), ++index) {
        Check(index < model.size());
        Check(message->lettrage == model[index].lettrage && message->type == model[index].type);
        const char* text = LitTexteMessage(message);
        Check((text != nullptr) == model[index].text.has_value());
        if (text)
            Check(*model[index].text == text);
    }
    Check(index == model.size());
}

// A value as the store keeps it: up to its first NUL.
std::string CText(const std::string& bytes)
{
    return std::string(bytes.c_str());
}

// The model's first letter of a lettrage, as the store's lookup finds it, or null.
Letter* InModel(std::vector<Letter>& model, int lettrage)
{
    for (Letter& letter : model)
        if (letter.lettrage == lettrage)
            return &letter;
    return nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    structLettre* letters = nullptr;
    structMessage* messages = nullptr;
    std::vector<Letter> letterModel;
    std::vector<Message> messageModel;

    while (input.remaining_bytes() > 0) {
        switch (input.ConsumeIntegralInRange<int>(0, 8)) {
        case 0: { // add a letter
            const auto lettrage = input.ConsumeIntegral<short>();
            const auto select = input.ConsumeIntegral<short>();
            structLettre* added = AjouteLettre(&letters, lettrage, 0, 0, 0, select, 0);
            Check(added && added->lettrage == lettrage && !LitValeurLettre(added));
            letterModel.push_back({lettrage, select, std::nullopt});
            break;
        }
        case 1: { // set the value of the letter found for a lettrage
            const int lettrage = input.ConsumeIntegral<int>();
            const std::string value = input.ConsumeRandomLengthString(64);
            structLettre* found = TrouveLettre(lettrage, letters);
            Letter* expected = InModel(letterModel, lettrage);
            Check((found != nullptr) == (expected != nullptr));
            if (found) {
                Check(MetValeurLettre(found, value.c_str()) != 0);
                expected->value = CText(value);
            }
            break;
        }
        case 2: { // clear a value
            const int lettrage = input.ConsumeIntegral<int>();
            if (structLettre* found = TrouveLettre(lettrage, letters)) {
                Check(MetValeurLettre(found, nullptr) != 0);
                InModel(letterModel, lettrage)->value.reset();
            }
            break;
        }
        case 3: { // a value grown in place, as the controls do (realloc, strcpy)
            const int lettrage = input.ConsumeIntegral<int>();
            const std::string value = CText(input.ConsumeRandomLengthString(128));
            if (structLettre* found = TrouveLettre(lettrage, letters)) {
                char* grown = static_cast<char*>(std::realloc(found->valeur, value.size() + 1));
                Check(grown != nullptr);
                std::strcpy(grown, value.c_str());
                found->valeur = grown;
                InModel(letterModel, lettrage)->value = value;
            }
            break;
        }
        case 4: { // selection state
            const int lettrage = input.ConsumeIntegral<int>();
            const auto select = input.ConsumeIntegral<short>();
            if (structLettre* found = TrouveLettre(lettrage, letters)) {
                MetSelectionLettre(found, select);
                InModel(letterModel, lettrage)->select = select;
            }
            break;
        }
        case 5: // free the whole list
            LibereLettre(&letters);
            Check(letters == nullptr);
            letterModel.clear();
            break;
        case 6: { // add a message
            const auto lettrage = input.ConsumeIntegral<short>();
            const auto type = input.ConsumeIntegral<short>();
            const bool withText = input.ConsumeBool();
            const std::string text = CText(input.ConsumeRandomLengthString(64));
            Check(AjouteMessage(&messages, lettrage, type, withText ? text.c_str() : nullptr));
            messageModel.push_back(
                {lettrage, type, withText ? std::optional<std::string>(text) : std::nullopt});
            break;
        }
        case 7:
            LibereListeMessage(&messages);
            Check(messages == nullptr);
            messageModel.clear();
            break;
        default: { // lookups of any lettrage, 16-bit or not
            const int lettrage = input.ConsumeIntegral<int>();
            Check((TrouveLettre(lettrage, letters) != nullptr) ==
                  (InModel(letterModel, lettrage) != nullptr));
            break;
        }
        }
        CheckLetters(letters, letterModel);
        CheckMessages(messages, messageModel);
    }
    LibereLettre(&letters);
    LibereListeMessage(&messages);
    return 0;
}
