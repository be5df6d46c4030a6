#pragma once
// What a film screen asks about a film's whereabouts: given a film code, the line to show when
// the film is out ("In noleggio dal 12/03/2026 — Bar Sport, tessera A15"), or an empty text.
// The program wires it to the rental slips; a screen without one shows nothing.
#include <QString>

#include <functional>

namespace filmeria {

using FilmOutNote = std::function<QString(const QString& code)>;

} // namespace filmeria
