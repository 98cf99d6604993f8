#pragma once

#include <QtGlobal>

namespace orvik3 {

// Heights of a family frame in twips.
namespace frameHeight {
// The whole panel.
inline constexpr int full = 4250;
// Cut to its title row: after the solution is shown, or while the trainee flies the exercise.
inline constexpr int cut = 1100;
} // namespace frameHeight

// Ids in the text table of the texts every panel shows.
namespace textId {
inline constexpr quint16 showSolution = 294; // "Lösung zeigen"
inline constexpr quint16 randomOrder = 295;  // "Zufall"
inline constexpr quint16 next = 296;         // "Weiter"
inline constexpr quint16 cancel = 297;       // "Abbrechen"
inline constexpr quint16 questionOf = 299;   // "von", in "(3 von 12)"
inline constexpr quint16 attempts = 300;     // "Versuche"
inline constexpr quint16 rightCount = 301;   // "Richtige"
inline constexpr quint16 performance = 302;  // "Performance"
inline constexpr quint16 statistics = 303;   // "Statistik"
inline constexpr quint16 choose = 312;       // "auswählen !", the first entry of a list
inline constexpr quint16 windWith = 320;     // "Wind mit"
inline constexpr quint16 flyYourself = 330;  // "Selber Fliegen"
inline constexpr quint16 holdingFly = 335;   // "Fly the current heading to the Station. Join the "
inline constexpr quint16 holdingInbound = 336; // "Holding inbound"
inline constexpr quint16 firstTurn = 361;    // "First Turn:"
inline constexpr quint16 firstHeading = 362; // "First HDG:"
} // namespace textId

} // namespace orvik3
