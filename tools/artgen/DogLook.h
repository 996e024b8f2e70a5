// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <string_view>

namespace artgen {

enum class Ear { Prick, Bat, Button, Drop, Pendant, Feathered, Rose, Butterfly };
enum class Tail { Curl, Sickle, Saber, Whip, Otter, Plume, Stub, Carrot, Bushy, Screw };
enum class Coat { Smooth, Fluffy, Long, Curly, Wire, Corded, Hairless };
enum class Pattern {
    Solid,      // one colour
    Spots,      // round spots of the second colour all over (a Dalmatian's)
    Ticked,     // fine flecks of the second colour
    Patches,    // a few large patches of the second colour
    Harlequin,  // many torn patches
    Saddle,     // a dark back and crown
    Tricolour,  // white with a dark saddle and a coloured head
    TanPoints,  // dark with the third colour on muzzle, brows, chest and legs
    Mask,       // dark top of head and back, white face and underside (a husky's)
    DarkMuzzle, // a black mask over the muzzle
    WhiteChest, // a white bib and white feet
    Brindle,    // dark stripes
    Merle,      // dark blotches on a lighter coat
    Collar,     // white collar, chest, feet and tail tip, with a blaze
    Swiss,      // black, tan cheeks and legs, white blaze, chest and feet
    Ridge,      // a darker stripe along the back
};

// Everything that makes one dog portrait. Lengths are relative to a medium
// dog (1 = like a beagle's); the painter turns them into pixels.
struct DogLook {
    double size = 0.5;       // 0 toy .. 1 giant: how much of the picture it fills
    double bodyLength = 1;   // dachshund 1.6, square dogs 0.9
    double bodyDepth = 1;    // chest depth
    double legLength = 1;    // short-legged 0.4, sighthounds 1.5
    double legThickness = 1;
    double headSize = 1;
    double muzzleLength = 1; // 0.15 flat face .. 1.9 borzoi
    double muzzleDepth = 1;
    double neckLength = 1;
    double tuckUp = 0.2;     // how far the belly rises behind the chest (sighthounds 1)
    double earSize = 1;
    Ear ear = Ear::Drop;
    Tail tail = Tail::Sickle;
    Coat coat = Coat::Smooth;
    Pattern pattern = Pattern::Solid;
    QColor base{190, 140, 80};
    QColor second{40, 32, 28};
    QColor third{200, 130, 60};
    QColor nose{35, 28, 26};
    bool beard = false;
    bool jowls = false;
    bool wrinkles = false;
    bool topknot = false; // hair tied or standing on the crown
};

// How one picture shows its dog: side, head, tongue and tail.
struct DogPose {
    bool facingLeft = false;
    double headTilt = 0;   // degrees, positive looks up
    bool tongueOut = false;
    bool pawUp = false;
    double tailLift = 0;   // -1 .. 1
    int backdrop = 0;      // which background colours
};

// The look of the dog in pics/<picName>: from the breed table when the
// breed is listed there, otherwise guessed from the words in the name with
// seeded variation. Pictures of the same breed differ in pose or colour.
DogLook LookForPicture(std::string_view picName);
DogPose PoseForPicture(std::string_view picName);

} // namespace artgen
