#pragma once
// The texts of the shared help window: one topic per screen that has a help picture.
#include <string>
#include <vector>

namespace filmeria {

enum class HelpTopicId { MainWindow, Films, Clienti, Noleggi, Imminenti, ExpNoleggi, ExpContatti };

struct HelpTopic {
    std::string title;                   // UTF-8
    std::vector<std::string> paragraphs; // UTF-8
};

const HelpTopic& helpTopic(HelpTopicId id);

// The paragraphs joined by an empty line (CR LF CR LF), as the help window shows them.
std::string helpText(const HelpTopic& topic);

} // namespace filmeria
