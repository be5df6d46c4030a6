#pragma once
// When a screen makes its controls. The program opens some dialogs afresh for every use; the
// instance of each made at start-up is never shown by the program, so it waits for a first
// showing before making its controls. Its window (name, caption, size) exists from the start.
namespace filmeria {

enum class ControlsMade { AtConstruction, OnFirstShow };

} // namespace filmeria
