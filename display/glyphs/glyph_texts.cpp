// Stroke texts of every glyph. Small sign, point and aspect glyphs are
// centred on the origin within -4..+4; large ones within -8..+8 (drawn at
// half the scale, so they cover the same area in finer detail). Characters
// sit in a 5 x 7 cell from the origin at its top-left corner.
#include "display/glyphs/glyph_texts.h"

// Index 1..12: Aries .. Pisces. 0 and 13 are reached by no id.
const char* const kSignGlyphTexts[kSignGlyphCount] = {
    "",
    "BD3U4HUHLGD2BR4EUERFD2",                  // Aries
    "BL4BU4F3R2E3BG3FD2GL2HU2E",               // Taurus
    "BL4BU4FR6EBL2BDD6BL4U6BL2BD7ER6F",        // Gemini
    "BL2BU2FGHEER3F2BL2BD3HEFGGL3H2",          // Cancer
    "BL2BDFGHEBFU3E2RFD2G2DFRE",               // Leo
    "BL3BU3D7BU6EFD6BU6EFD6BU4E2FDG4",         // Virgo
    "BL4BDR2HUE2R2F2DGR2BL8BD2R8",             // Libra
    "BL3BU3D6BU5EFD5BU5EFD4FE2NL2D2",          // Scorpio
    "BL4BD4E8NL3D3BL7F4",                      // Sagittarius
    "BL4BU3FD4FE2U3EFD4EFDGLHNEG",             // Capricorn
    "BL4BUE2F2E2F2BL8BD4E2F2E2F2",             // Aquarius
    "BL4BU4F2D4G2BR8BU8G2D4F2BL7BU4R6",        // Pisces
    "",
};

// Large versions exist for Aries, Taurus, Cancer, Scorpio, Aquarius, Pisces.
const char* const kSignGlyphTextsLarge[kSignGlyphCount] = {
    "",
    "BD7U8H2UHHLGGD2FBR6E2UEERFFD2G",                               // Aries
    "BL7BU8F5R4E5BG5F3D4G3L4H3U4E3",                               // Taurus
    "",
    "BL5BU4R2FD2GL2HU2EBR2E2R5F3BL2BD7L2HU2ER2FD2GBL2G2L5H3",      // Cancer
    "",
    "",
    "",
    "BL6BU6D12BU10E2F2D10BU10E2F2D8F2E4NL4D4",                     // Scorpio
    "",
    "",
    "BL8BUE4F4E4F4BL16BD6E4F4E4F4",                                // Aquarius
    "BL8BU8F3D10G3BR16BU16G3D10F3BL14BU8R12",                      // Pisces
    "",
};

// 0 Earth, 1..10 Sun..Pluto, 11 Chiron, 12..15 Ceres, Pallas, Juno, Vesta,
// 16 North Node, 17 Lilith / South Node, 18 Part of Fortune, 19 Vertex,
// 20 East Point, 21..32 house cusps, 33..40 Cupido..Poseidon, 45 Pholus,
// 46 Proserpina; 41..44 are reached by no id.
const char* const kPointGlyphTexts[kPointGlyphCount] = {
    "ND4NL4NR4U4LGLDGD2FDRFR2ERUEU2HULHL",            // Earth
    "U0BH3DGD2FDRFR2ERUEU2HULHL2GL",                  // Sun
    "BR2BU4L2G2D4F2R2BU8G2D4F2",                      // Moon
    "BLBU3R2FD2GL2HU2EHBR3BDEBL2BD5D3BL2BUR4",        // Mercury
    "BLBU3R2FD2GL2HU2EBRBD4D3BL2BUR4",                // Venus
    "BL2BUR2FD2GL2HU2EBR3E3NL3D3",                    // Mars
    "BL4BU3ERFDG3R8BL2BU5D8",                         // Jupiter
    "BL2BU4D7BU3ER2FD2FEBL8BU4R4",                     // Saturn
    "BL3BU4D5BR6U5BL3D6FGHEBL3BU3R6",                 // Uranus
    "BU4D8BL2BUR4BL6BU6D2F2R4E2U2",                   // Neptune
    "BU4FGHEBL3D2F2R2E2U2BL3BD4D4BL2BU2R4",           // Pluto
    "BLBDR2FDGL2HUEBRU5BD3NE2F2",                     // Chiron
    "BL3BU3ER3FD2GLD4BL2BU2R4",                       // Ceres
    "BU4F2G2H2E2BD4D4BL2BU2R4",                       // Pallas
    "BU4D8BL2BU6R4BL4BU2F4BL4E4BL4BD6R4",             // Juno
    "BL2BU4F2E2BL6BD3D4R8U4",                         // Vesta
    "BL2BD2U4ER2FD4DFEHLBL4DGHER",                    // North Node
    "BLBU3R2F2D2G2L2H2U2E2BL3BD7E8",                  // Lilith, South Node
    "BLBU3R2F2D2G2L2H2U2E2BLBDF4BL4E4",               // Part of Fortune
    "BU3NHNED6NGNFBU3BL3NHNGR6NENF",                  // Vertex
    "BLBU3L3D3NR2D3R3BR2U6R2FDGL2",                   // East Point
    "BL4BD3U5EFD5BL2BU3R2BR3BULGFFGLBR5BU4LGD2FR",    // Asc
    "BL2BU3BDER2FDG4R4",                              // 2
    "BL2BU3BDER2FDGNLFDGL2H",                         // 3
    "BL4BU3R2BLD6NLRBR6BU5HL2GD4FR2E",                // IC
    "BL2BU3BR4L4D3R3FDGL2H",                          // 5
    "BL2BU3BR4BDHL2GD4FR2EUHL3",                      // 6
    "BL4BU3RFD4GLU6BR3BD4R2UHGD2FRBR3BU4LGFFGL",      // Des
    "BL2BU3BRBD3HUER2FDGL2GDFR2EUH",                  // 8
    "BL2BU3BD5FR2EU4HL2GDFR3",                        // 9
    "BL4BD3U6F2E2D6BR4BU5HGD4FE",                     // MC
    "BL4BU3BRBDED6NLRBRBU6BRBDED6NLR",                // 11
    "BL5BU3BRBDED6NLRBR2BU6BDER2FDG4R4",              // 12
    "BL3BU4D2F2R2E2U2BL3BD4D4BL2BU2R4",               // Cupido
    "BLBU4R2FD2GL2HU2EBRBD4D4BL3BU3D2FR4EU2",         // Hades
    "BL2BU2E2F2BL2BU2D6NG2F2BL5BU4R6",                // Zeus
    "BL4BU4F2E2F2E2D3L8U3BR4BD3D5BL2BU2R4",           // Kronos
    "BU4D8BL3BU2R6BL5BU5FGHEBR4FGHE",                 // Apollon
    "BLBU4R2F2D2G2L2H2U2E2BL2BD3R6BL3BD3D2",          // Admetos
    "BL3BU4F3E3BL3BD3D5BL2BU2R4",                     // Vulkanus
    "BLBU4R2FD2GL2HU2EBRD8BL2BU2R4",                  // Poseidon
    "",
    "",
    "",
    "",
    "BLBDR2FDGL2HUEBRU3BL2BU2DFR2EU",                 // Pholus
    "BLBU2R2F2D2G2L2H2U2E2BRU2BL2BDR4",               // Proserpina
};

// Large versions: Earth, Sun, Moon, Mars, Jupiter, Uranus to Pluto, Chiron,
// the four asteroids, the four angles and Pholus.
const char* const kPointGlyphTextsLarge[kPointGlyphCount] = {
    "ND8NL8NR8U8L2GLG3DGD4FDF3RFR4ERE3UEU4HUH3LHL2",                   // Earth
    "U0BU8L2GLG3DGD4FDF3RFR4ERE3UEU4HUH3LHL2",                         // Sun
    "BR4BU8L4G4D8F4R4BU16G3D10F3",                                     // Moon
    "",
    "",
    "BL4BU3R4F3D4G3L4H3U4E3BR6BDE6NL5D5",                              // Mars
    "BL7BU5E2R2F2DG6R14BL3BU10D16",                                    // Jupiter
    "",
    "BL6BU8D9BR12U9BL6D10BLR2F2D2G2L2H2U2E2BL5BU5R12",                 // Uranus
    "BU8D16BL4BU3R8BL11BU11D3F3R8E3U3BL9E2F2",                         // Neptune
    "BLBU8R2F2DG2L2H2UE2BL6D2F3R8E3U2BL7BD5D11BL4BU4R8",               // Pluto
    "BL2BDR4F2D2G2L4H2U2E2BR2U9BD4NE4F4",                              // Chiron
    "BL5BU6E2R5F2D3G2L2D9BL4BU4R8",                                    // Ceres
    "BU8F4G4H4E4BD8D8BL4BU4R8",                                        // Pallas
    "BU8D16BL4BU12R8BL7BU3F6BL6E6BL7BD11R8",                           // Juno
    "BL4BU8F4E4BL11BD6D8R14U8",                                        // Vesta
    "", "", "", "", "",
    "BL8BD5U8E2F2D8BL4BU4R4BR6BU2L3GDFR2FDGL3BR10BU6L3GD4FR3",         // Asc
    "", "",
    "BL8BU6R4BL2D12NL2R2BR11BU10H2L3G2D8F2R3E2",                       // IC
    "", "",
    "BL8BU5R2F2D6G2L2U10BR6BD7R4U2HL2GD4FR3BR6BU6L3GDFR2FDGL3",        // Des
    "", "",
    "BL8BD6U12F4E4D12BR8BU10H2LG2D8F2RE2",                             // MC
    "", "",
    "", "", "", "", "", "", "", "",
    "", "", "", "",
    "BL2BDR4F2D2G2L4H2U2E2BR2U6BL4BU3DF2R4E2U",                        // Pholus
    "",
};

// Index = aspect id - 999, so 1..18 follow the identifiers 1000..1017
// (Conjunction .. Quatronovile). 0, 19 and 20 are reached by no id.
const char* const kAspectGlyphTexts[kAspectGlyphCount] = {
    "",
    "BL2BUR2FD2GL2HU2EBR3E3",                         // Conjunction
    "BL3BDRFDGLHUEBR2E2BRBU3RFDGLHUE",                // Opposition
    "BH4R8D8L8U8",                                    // Square
    "BL4BD2R8H4G4",                                   // Trine
    "BLNH3NG3RNU4ND4RNE3F3",                          // Sextile
    "BL4BU2R8BL8BD4E4F4",                             // Inconjunct
    "BL4BU2F4E4BL8BD4R8",                             // Semisextile
    "BR4BU4G8R8",                                     // Semisquare
    "BL4R4D4L4U4BR4E4",                               // Sesquiquadrature
    "BLBU3R2F2D2G2L2H2U2E2BR2BD4F3",                  // Quintile: Q
    "BL4BU3D6REU2HLBR5BU2R2FD4GL2HU4EBRBD4F2",        // Biquintile: bQ
    "BL2BUL2D2R2D2L2BR5BU6R2FD4GL2HU4EBRBD4F2",       // Semiquintile: sQ
    "BL2BU3BR4BDHL2GDFR2FDGL2H",                      // Septile: S
    "BL2BU3BD6U6DF4DU6",                              // Novile: N
    "BL4BU3D6REU2HLBR4BD4U6DF4DU6",                   // Binovile: bN
    "BL4BU3D6REU2HLBR8BUHL2GDFR2FDGL2H",              // Biseptile: bS
    "BL3BU3D5FBL2BU4R2BR6BUHL2GDFR2FDGL2H",           // Triseptile: tS
    "BL2BD3U6G2DR2BR2BD3U6DF4DU6",                    // Quatronovile: 4N
    "",
    "",
};

// Large versions: Conjunction, Opposition, Trine, Sextile, Inconjunct,
// Semisextile, Quintile.
const char* const kAspectGlyphTextsLarge[kAspectGlyphCount] = {
    "",
    "BL4BU3R4F3D4G3L4H3U4E3BR6BDE6",                                   // Conjunction
    "BL6BD2R2F2D2G2L2H2U2E2BR3BDE6BRBU5R2F2D2G2L2H2U2E2",              // Opposition
    "",
    "BL8BD4R16H8G8",                                                   // Trine
    "BL2NH6NG6R2NU8ND8R2NE6F6",                                        // Sextile
    "BL8BU4R16BL16BD8E8F8",                                            // Inconjunct
    "BL8BU4F8E8BL16BD8R16",                                            // Semisextile
    "", "",
    "BL2BU6R4F4D4G4L4H4U4E4BR4BD8F6",                                  // Quintile
    "", "", "", "", "", "", "", "", "", "",
};

// Index = character code - 32 (0 the space .. 94 the tilde), then 95 a copy
// of the underscore, 96 a small diamond at the top of the cell, 97 the
// right-pointing arrow centred on the origin.
const char* const kCharacterGlyphTexts[kCharacterGlyphCount] = {
    "",                               // space
    "BR2D4BD2D0",                     // !
    "BRD2BR2U2",                      // "
    "BFD4BR2U4BFL4BD2R4",             // #
    "BR4BDHL2GDFR2FDGL2HBR2BU5D6",    // $
    "RDLUBD5E4BD4LDRU",               // %
    "BR4BD6H3U2EFG3DFRE2",            // &
    "BR2D2",                          // '
    "BR3GD4F",                        // (
    "BRFD4G",                         // )
    "BDF4BL4E4BL2D4",                 // *
    "BD3R4BU2BL2D4",                  // +
    "BR2BD5DG",                       // ,
    "BD3R4",                          // -
    "BR2BD6D0",                       // .
    "BD5E4",                          // /
    "BRR2FD4GL2HU4E",                 // 0
    "BRBDED6NLR",                     // 1
    "BDER2FDG4R4",                    // 2
    "BDER2FDGNLFDGL2H",               // 3
    "BR3BD6U6G3DR4",                  // 4
    "BR4L4D3R3FDGL2H",                // 5
    "BR4BDHL2GD4FR2EUHL3",            // 6
    "R4DG2D3",                        // 7
    "BRBD3HUER2FDGL2GDFR2EUH",        // 8
    "BD5FR2EU4HL2GDFR3",              // 9
    "BR2BD2D0BD3D0",                  // :
    "BR2BD1D0BD3DG",                  // ;
    "BR3G3F3",                        // <
    "BD2R4BD2L4",                     // =
    "BRF3G3",                         // >
    "BDER2FDGLDBD2D0",                // ?
    "BR3BD4U2LGFR2U3HL2GD4FR3",       // @
    "BD6U4E2F2D4BU3L4",               // A
    "R3FDGNL3FDGL3U6",                // B
    "BR4BDHL2GD4FR2E",                // C
    "R2F2D2G2L2U6",                   // D
    "BR4L4D3NR3D3R4",                 // E
    "BR4L4D3NR3D3",                   // F
    "BR4BDHL2GD4FR2EU2L2",            // G
    "D6BU3R4BU3D6",                   // H
    "BRR2BLD6NLR",                    // I
    "BR2R2D5GL2HU",                   // J
    "D6BR4BU6G3NLF3",                 // K
    "D6R4",                           // L
    "BD6U6F2E2D6",                    // M
    "BD6U6DF4DU6",                    // N
    "BRR2FD4GL2HU4E",                 // O
    "D6BU6R3FDGL3",                   // P
    "BRR2FD4GL2HU4EBD4BRF2",          // Q
    "D6BU6R3FDGL3BR2F2D",             // R
    "BR4BDHL2GDFR2FDGL2H",            // S
    "R4BL2D6",                        // T
    "D5FR2EU5",                       // U
    "D4F2E2U4",                       // V
    "D6E2F2U6",                       // W
    "DF4DBL4UE4U",                    // X
    "DF2D3BU3E2U",                    // Y
    "R4DG4DR4",                       // Z
    "BR3L2D6R2",                      // [
    "BDF4",                           // backslash
    "BRR2D6L2",                       // ]
    "BD2E2F2",                        // ^
    "BD6R4",                          // _
    "BRF",                            // `
    "BRBD2R2FD3BU2L3GFR2E",           // a
    "D6R3EU2HL3",                     // b
    "BR4BD2L3GD2FR3",                 // c
    "BR4D6L3HU2ER3",                  // d
    "BD4R4UHL2GD2FR3",                // e
    "BR4BDHLGD5BU4BLR3",              // f
    "BR4BD2L3GD2FR3BU4D5GL2H",        // g
    "D6BU4R3FD3",                     // h
    "BRBD2RD4NLRBLBU6D0",             // i
    "BR2BD2RD5GL2HBR4BU7D0",          // j
    "D6BR4BU4G2NL2F2",                // k
    "BRRD6NLR",                       // l
    "BD6U4RFD3BU3EFD3",               // m
    "BD6U4R3FD3",                     // n
    "BRBD2R2FD2GL2HU2E",              // o
    "BD8U6R3FD2GL3",                  // p
    "BR4BD8U6L3GD2FR3",               // q
    "BD2D4BU3ER2F",                   // r
    "BR4BD2L3GFR2FGL3",               // s
    "BRD5FR2BU4BL4R3",                // t
    "BD2D3FR2EBU3D4",                 // u
    "BD2D2F2E2U2",                    // v
    "BD2D3FENU2FEU3",                 // w
    "BD2F4BL4E4",                     // x
    "BD2D3FR2EBU3D5GL2H",             // y
    "BD2R4G4R4",                      // z
    "BR3GDGFDF",                      // {
    "BR2D6",                          // |
    "BRFDFGDG",                       // }
    "BD3EFEF",                        // ~
    "BD6R4",                          // copy of the underscore
    "BR2FGHE",                        // diamond
    "BL3R6NH2G2",                     // arrow
};
