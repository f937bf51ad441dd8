#pragma once
// The program's own icon set: public-domain Tango artwork converted to .ico at
// build time and linked into every program that uses the controls library,
// each .ico as the RCDATA resource "IMG_<key>" of its image key ("Info",
// "NoInfo", "Computer", ...). The keys and their artwork are listed in
// platform/win/controls/icons/icons.txt; a key added there is built and
// loaded with no other change.
#include <cstddef>
#include <string>
#include <vector>

namespace crv {

class ImageList;

// Every key of the built-in set, in the order of icons.txt.
const std::vector<std::string>& Standard_Icon_Keys();

// Adds every built-in icon to the list at the list's size, from the running
// program's resources; keys whose resource is missing are looked for as
// "<key>.ico" in the folder "icons" beside the executable. Returns the number
// of images added.
std::size_t Load_Standard_Icons(ImageList& list);

}  // namespace crv
