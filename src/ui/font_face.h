#pragma once
// The face a font of the layout is made with. The layout names Windows' own faces; where one is missing
// (Wine without Windows' fonts), the system would put a font of its own choosing in its place, often too
// wide for the room the layout gives the captions, so the program asks for an installed stand-in by name.

#include <string>

namespace kestrelle::ui {

// The face to make a font of the layout's `face` with: the face itself where it is installed, else its
// stand-in where that is, else the face, which the system then matches as best it can. Looked up once.
const std::string& InstalledFace(const std::string& face);

}  // namespace kestrelle::ui
