#pragma once
// Turning the picture a card place shows: a quarter turn for the crossing card, a half turn for a card
// dealt reversed.
namespace platform {
class PictureBox;
}

namespace shell {

// Turns what the place shows now a quarter turn clockwise and gives the place the turned size; its
// top-left corner stays where it is.
void RotatePicture90(platform::PictureBox& box);
// Turns the place's picture upside down, stretched over the inside; the turned picture becomes the
// place's picture. A place without a picture is left as it is.
void RotatePicture180(platform::PictureBox& box);

} // namespace shell
