#pragma once
// The move behind each machine and tutor number of the games, as ids of the
// move table. The machine pages and the question engine both read these.
#include <array>
#include <cstdint>

namespace machine_moves {

// TM01-TM50 of generation 1 (pokered's TechnicalMachines), generation 2, and
// generations 3 and 4.
inline constexpr std::array<std::int32_t, 50> kTmGen1{
    119, 160, 222, 247, 118, 235, 93,  19,  226, 48,  24,  244, 98,  18,  95,  138, 212,
    34,  179, 156, 117, 197, 50,  232, 230, 55,  67,  43,  152, 227, 124, 47,  162, 15,
    122, 180, 56,  64,  221, 185, 196, 52,  186, 163, 231, 153, 60,  167, 237, 213};
inline constexpr std::array<std::int32_t, 50> kTmGen2{
    54,  88,  38,  171, 166, 235, 251, 168, 151, 91,  214, 220, 195, 18,  95,  100, 149,
    157, 80,  59,  75,  197, 101, 51,  230, 55,  164, 43,  152, 181, 132, 47,  99,  218,
    190, 192, 174, 64,  221, 40,  233, 52,  42,  163, 8,   228, 206, 65,  77,  134};
inline constexpr std::array<std::int32_t, 50> kTmGen34{
    264, 337, 352, 347, 166, 235, 258, 339, 331, 91,  214, 269, 98,  18,  95,  109, 149,
    157, 80,  173, 75,  197, 101, 232, 230, 55,  164, 43,  152, 181, 280, 47,  162, 351,
    70,  192, 174, 64,  317, 332, 259, 263, 290, 163, 8,   228, 206, 285, 289, 315};
// TM51-TM96 of generation 4; TM93-TM96 are the flags of Diamond/Pearl's move tutor.
inline constexpr std::array<std::int32_t, 46> kTmGen4Upper{
    373, 429, 430, 63,  380, 392, 469, 59,  424, 427, 261, 318, 391, 60,  439, 389,
    278, 434, 415, 71,  462, 437, 231, 378, 222, 464, 151, 463, 417, 167, 422, 190,
    381, 416, 52,  465, 218, 383, 387, 213, 448, 451, 338, 308, 307, 452};
inline constexpr int kGen4FirstTutorTm = 93;

inline constexpr std::array<std::int32_t, 5> kHmGen1{39, 72, 217, 208, 71};
inline constexpr std::array<std::int32_t, 7> kHmGen2{39, 72, 217, 208, 71, 246, 245};
inline constexpr std::array<std::int32_t, 8> kHmGen3{39, 72, 217, 208, 71, 168, 245, 291};
inline constexpr std::array<std::int32_t, 8> kHmGen4{39, 72, 217, 208, 450, 168, 245, 449};
// HeartGold/SoulSilver's HMs: Whirlpool is HM05, where Diamond/Pearl have Defog.
inline constexpr std::array<std::int32_t, 8> kHmHgss{39, 72, 217, 208, 246, 168, 245, 449};

// Crystal's move tutor in Goldenrod (flags CM01-CM03).
inline constexpr std::array<std::int32_t, 3> kCrystalTutor{70, 232, 98};

// Generation 3 tutors, flags MT01-MT33: MT01-MT15 are taught in FireRed/
// LeafGreen and in Emerald, MT16-MT18 (the starters' strongest moves) only in
// FireRed/LeafGreen, MT19-MT33 only in Emerald (pokefirered's and
// pokeemerald's tutor tables).
inline constexpr std::array<std::int32_t, 33> kTutorGen3{
    19,  34,  48,  52,  60,  118, 119, 122, 124, 167, 179, 196, 213, 222, 231, 338, 307,
    308, 54,  171, 151, 195, 100, 59,  132, 99,  218, 190, 221, 40,  233, 65,  77};

// The cells MT01-MT56 of the Platinum/HeartGold/SoulSilver grid: Platinum's shard tutors in its
// tutor table's order (HeartGold/SoulSilver's Frontier keeps it), the four taught once
// (Diamond/Pearl's TM93-TM96), HeartGold/SoulSilver's own Frontier tutors, and Ilex Forest's
// Headbutt.
inline constexpr std::array<std::int32_t, 56> kTutorPtHgss{
    291, 132, 77,  100, 171, 233, 65,  276, 99,  460, 419, 484, 398, 195, 203, 314, 270, 283, 136,
    7,   223, 324, 446, 428, 432, 459, 240, 420, 334, 411, 405, 340, 271, 257, 282, 407, 221, 253,
    338, 308, 307, 452, 215, 137, 209, 384, 374, 406, 277, 272, 89,  112, 186, 335, 468, 88};

}  // namespace machine_moves
