#!/usr/bin/env node
// Writes src/model/named_colors_data.cpp: the general colour table (names from
// tools/named-color-names.txt, in that order) and the HTML table
// (tools/html-colors.txt).
//
// Values of the general table come from the npm packages color-name-lists and
// color-name-list, installed outside the repository:
//   npm install --prefix /tmp/npmcolors color-name-lists color-name-list
//   node tools/generate-named-colors.mjs /tmp/npmcolors/node_modules
//
// A name is looked up whole, then by each " / " synonym, then without its
// parenthesised qualifiers; letters compare case-insensitively, accents and
// punctuation are ignored and "grey" counts as "gray". A name that occurs
// several times in the list takes the sources' distinct values in turn, so
// repeated names keep their distinct colours.

import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const toolsDir = path.dirname(fileURLToPath(import.meta.url));
const repoDir = path.dirname(toolsDir);
const modulesDir = process.argv[2] ?? '/tmp/npmcolors/node_modules';
const outputFile = path.join(repoDir, 'src/model/named_colors_data.cpp');

// Rows whose colours are part of the program's documented behaviour.
const FIXED = new Map([
  ['Absolute Zero', '#0048BA'],
  ['Acajou', '#4C2F27'],
  ['Acid Green', '#B0BF1A'],
  ['Alice Blue', '#F0F8FF'],
  ['AntiqueWhite', '#FAEBD7'],
  ['Green / Lime / Electric Green', '#00FF00'],
  ['Green (Crayola)', '#1CAC78'],
  ['Sienna', '#A0522D'],
  ['Kobe', '#882D17'],
  ['Zomp', '#39A78E'],
  ['Antique white', '#FAEBD7'],
  ['Asda Green', '#7DC242'],
  ['Zinnwaldite', '#EBC2AF'],
  ['Barbie Pink (1959-1975)', '#E85395'],
  ['Viva Magenta (Pantone 2023)', '#BB2649'],
  ['Butter Yellow', '#FFFB75'],
]);

// Names no data set knows (or knows under another colour than the one the
// name means), chosen by hand. Brand colours are the brands' published ones.
const HAND = new Map([
  // CSS colours that must appear in the general table under a fitting name.
  ['Gray / Neon Gray / Trolley Gray', '#808080'],
  ['Green / Office Green', '#008000'],
  ['Aqua / Cyan / Turquoise Blue', '#00FFFF'],
  ['Fuchsia / Magenta', '#FF00FF'],
  ['Azure / Azure Mist', '#F0FFFF'],
  ['Gray (X11 Gray)', '#BEBEBE'],
  ['Brown / Auburn / Red-Brown', '#A52A2A'],
  ['Chartreuse (Web)', '#7FFF00'],
  ['Chocolate / Cocoa Brown', '#D2691E'],
  ['Dark Blue', '#00008B'],
  ['Gold (Web) (Golden)', '#FFD700'],
  ['Green-Yellow', '#ADFF2F'],
  ['Indigo', '#4B0082'],
  ['Lavender / Lavender Mist', '#E6E6FA'],
  ['Maroon (Html/CSS)', '#800000'],
  ['Medium Aquamarine', '#66CDAA'],
  ['Orange (Web)', '#FFA500'],
  ['Orange-Red', '#FF4500'],
  ['Pale Green', '#98FB98'],
  ['Pale Turquoise / Pale Blue', '#AFEEEE'],
  ['Plum / Pale Plum / Medium Lavender Magenta', '#DDA0DD'],
  ['Purple / Patriarch', '#800080'],
  ['Royal Blue (light)', '#4169E1'],
  ['Guppie Green / Spring Green', '#00FF7F'],
  ['Violet / Lavender Magenta', '#EE82EE'],
  ['Dark Gray / Dark Medium Gray', '#A9A9A9'],
  ['Red', '#FF0000'],
  ['Blue', '#0000FF'],
  ['Yellow', '#FFFF00'],
  ['Black', '#000000'],
  ['White', '#FFFFFF'],
  // Qualified variants the sources only know by their base name, which
  // would give them the base colour.
  ['Blue (Crayola)', '#1F75FE'],
  ['Blue (Munsell)', '#0093AF'],
  ['Blue (NCS)', '#0087BD'],
  ['Blue (Pantone)', '#0018A8'],
  ['Blue (Pigment)', '#333399'],
  ['Blue (RYB)', '#0247FE'],
  ['Green (Munsell)', '#00A877'],
  ['Green (NCS)', '#009F6B'],
  ['Green (Pantone)', '#00AD43'],
  ['Green (Pigment)', '#00A550'],
  ['Green (RYB)', '#66B032'],
  ['Red (Crayola)', '#EE204D'],
  ['Red (Munsell)', '#F2003C'],
  ['Red (NCS)', '#C40233'],
  ['Red (Pigment)', '#ED1C24'],
  ['Red (RYB)', '#FE2712'],
  ['Yellow (Crayola)', '#FCE883'],
  ['Yellow (Munsell)', '#EFCC00'],
  ['Yellow (Pantone)', '#FEDF00'],
  ['Yellow (RYB)', '#FEFE33'],
  ['Magenta (Pantone)', '#D0417E'],
  ['Magenta (Process)', '#FF0090'],
  ['Cyan (Process)', '#00B7EB'],
  ['Orange (Color Wheel)', '#FF7F00'],
  ['Orange (Crayola)', '#FF7538'],
  ['Orange (Pantone)', '#FF5800'],
  ['Orange (RYB)', '#FB9902'],
  ['Orange / Christmas Orange', '#FF6600'],
  ['Violet (Caran D\'Ache)', '#6E5FA8'],
  ['Violet (Color Wheel)', '#7F00FF'],
  ['Violet (Crayola)', '#963D7F'],
  ['Violet (RYB)', '#8601AF'],
  ['Violet / Electric Violet', '#8F00FF'],
  ['Brown (Crayola)', '#AF593E'],
  ['Brown (Traditional)', '#964B00'],
  ['Blue-Green (Color Wheel)', '#064E40'],
  ['Blue-Violet (Color Wheel)', '#4D1A7F'],
  ['Blue-Violet (Crayola)', '#7366BD'],
  ['Bronze (Metallic)', '#B08D57'],
  ['Cadet Blue (Crayola)', '#A9B2C3'],
  ['Dandelion (Crayola)', '#FDDB6D'],
  ['Dark Chocolate (Hershey\'s)', '#3C1F1A'],
  ['Dark Green', '#013220'],
  ['Dark Green (X11)', '#006400'],
  ['Dark Liver (Horses)', '#543D37'],
  ['Dark Liver', '#534B4F'],
  ['Forest Green', '#014421'],
  ['Forest Green (Crayola)', '#5FA777'],
  ['Forest Green (Web)', '#228B22'],
  ['Gold', '#A57C00'],
  ['Gold (Metallic)', '#D4AF37'],
  ['Metallic Gold / Metallic Bronze', '#A97142'],
  ['Green-Blue (Crayola)', '#2887C8'],
  ['Indigo (Rainbow)', '#233067'],
  ['International Orange (Aerospace)', '#FF4F00'],
  ['International Orange (Engineering)', '#BA160C'],
  ['International Orange (Golden Gate Bridge)', '#C0362C'],
  ['Khaki (Html/CSS) (Khaki)', '#F0E68C'],
  ['Khaki / Light Khaki', '#F0E68C'],
  ['Lemon Yellow (Crayola)', '#FFFF9F'],
  ['Liver (Dogs)', '#B86D29'],
  ['Liver (Organ)', '#6C2E1F'],
  ['Mahogany (Crayola)', '#CA3435'],
  ['Maize (Crayola)', '#F2C649'],
  ['Melon (Crayola)', '#FEBAAD'],
  ['Melon', '#FDBCB4'],
  ['Mulberry (Crayola)', '#C8509B'],
  ['Orange-Yellow (Crayola)', '#F8D568'],
  ['Orchid (Crayola)', '#E29CD2'],
  ['Outer Space', '#414A4C'],
  ['Outer Space (Crayola)', '#2D383A'],
  ['Periwinkle (Crayola)', '#C5D0E6'],
  ['Periwinkle / Lavender Blue', '#CCCCFF'],
  ['Pink (Pantone)', '#D74894'],
  ['Purple (Munsell)', '#9F00C5'],
  ['Purple / Veronica', '#A020F0'],
  ['Red-Orange (Color Wheel)', '#FF5722'],
  ['Red-Violet (Color Wheel)', '#922B3E'],
  ['Red-Violet (Crayola)', '#C0448F'],
  ['Red-Violet / Medium Violet-Red', '#C71585'],
  ['Rich Black (FOgra29)', '#010B13'],
  ['Rich Black (FOgra39)', '#010203'],
  ['Sea Green (Crayola)', '#00FFCD'],
  ['Silver (Crayola) / Pale Silver', '#C9C0BB'],
  ['Silver (Metallic)', '#AAA9AD'],
  ['Sky Blue (Crayola)', '#76D7EA'],
  ['Tan (Crayola)', '#D99A6C'],
  ['Thistle (Crayola)', '#EBB0D7'],
  ['Violet-Blue (Crayola)', '#766EC8'],
  ['Yellow Orange (Color Wheel)', '#FF9505'],
  ['Yellow-Green (Color Wheel)', '#30B21A'],
  ['Yellow-Green (Crayola)', '#C5E384'],
  ['Barbie Pink (1975-1990)', '#E0218A'], // the brand's pinks over the years
  ['Barbie Pink (1990-1999)', '#EC4E9C'],
  ['Barbie Pink (1999-2004)', '#F21C8B'],
  ['Barbie Pink (2004-2005)', '#E52B8E'],
  ['Barbie Pink (2005-2009)', '#DF2B88'],
  ['Blood (Animal)', '#8A0303'],
  ['Blood (Organ)', '#630F0F'],
  ['Amber (SAE/ECE)', '#FF7E00'],
  ['Indigo (Crayola)', '#4F69C6'],
  ['Green-Yellow (Crayola)', '#F0E891'],
  ['Chartreuse (Traditional)', '#DFFF00'],
  ['Peach Fuzz (Pantone 2024)', '#FFBE98'], // Pantone's colours of the year
  ['Illuminating (Pantone 2021)', '#F5DF4D'],
  ['Ultimate Gray (Pantone 2021)', '#939597'],
  ['Classic Blue (Pantone 2020)', '#0F4C81'],
  ['Fuchsia / Deep Fuchsia', '#C154C1'],
  ['Licorice', '#1A1110'],
  // Names missing from every source.
  ['Aluminum foil', '#D2D9DB'],
  ['American Brown', '#804040'],
  ['American Gold', '#D3AF37'],
  ['American Silver', '#CFCFCF'],
  ['American Yellow', '#F2B400'],
  ['Awesome', '#FF2052'],
  ['Chocolate Kisses', '#3C1421'],
  ['Christmas Brown 2', '#6A3E34'], // second shade of the Christmas browns
  ['Christmas Green 2', '#3C8D0D'],
  ['Christmas Purple 2', '#4D084B'],
  ['Christmas Red 2', '#D6001C'],
  ['Christmas Yellow', '#FFCC00'],
  ['Cyan-Blue Azure', '#4682BF'],
  ['Dark Bronze', '#804A00'],
  ['Dark Bronze (Coin)', '#514100'],
  ['Dark Brown-Tangelo', '#88654E'],
  ['Dark Candy Apple Red', '#A40000'],
  ['Dark Cerulean', '#08457E'],
  ['Dark Chestnut', '#986960'],
  ['Dark Cornflower Blue', '#26428B'],
  ['Dark Moss Green', '#4A5D23'],
  ['Dark Pastel Blue', '#779ECB'],
  ['Dark Pastel Purple', '#966FD6'],
  ['Dark Pastel Red', '#C23B22'],
  ['Dark Scarlet', '#560319'],
  ['Dark Silver', '#71706E'],
  ['Dark Tangerine', '#FFA812'],
  ['Dark Terra Cotta', '#CC4E5C'],
  ['Dark Vanilla', '#D1BEA8'],
  ['Deep Carmine Pink', '#EF3038'],
  ['Deep Carrot Orange', '#E9692C'],
  ['Deep Green-Cyan Turquoise', '#0E7C61'],
  ['Deep Lemon', '#F5C71A'],
  ['Deep Puce', '#A95C68'],
  ['Deep Ruby', '#843F5B'],
  ['Deep Tuscan Red', '#66424D'],
  ['Flamingo Pink', '#FC8EAC'],
  ['Fluorescent Blue', '#15F4EE'],
  ['Gamboge Orange (Brown)', '#996600'],
  ['Green Cola', '#009A49'], // the green of the lemon-lime soda cans
  ['Guyabano', '#F8F8F8'], // soursop flesh: nearly white
  ['Halloween Orange', '#EB6123'],
  ['Jelly Bean Blue', '#44798E'],
  ['Lanzones', '#E0BC5B'],
  ['Lemon Iced Tea', '#BD3000'],
  ['Light Carmine Pink', '#E66771'],
  ['Light Chocolate Cosmos', '#551F2F'],
  ['Light Cobalt Blue', '#88ACE0'],
  ['Light Crimson', '#F56991'],
  ['Light Deep Pink', '#FF5CCD'],
  ['Light Fuchsia Pink', '#F984EF'],
  ['Light Grayish Magenta', '#CC99CC'],
  ['Light Hot Pink', '#FFB3DE'],
  ['Light Medium Orchid', '#D39BCB'],
  ['Light Pastel Purple', '#B19CD9'],
  ['Light Salmon Pink', '#FF9999'],
  ['Light Silver', '#D8D8D8'],
  ['Little Girl Pink', '#F8B9D4'],
  ['Lotion Blue', '#15F2FD'],
  ['Lotion Pink', '#ECCFCF'],
  ['Maximum Pink', '#F6A5F2'], // the pink of the Crayola "Maximum" series
  ['Maximum Violet', '#892F77'],
  ['Meat Brown', '#E5B73B'],
  ['Medium Orange', '#FF7802'],
  ['Medium Red', '#B10304'],
  ['Medium Violet', '#65315F'],
  ['Metallic Brown', '#AC4313'],
  ['Metallic Orange', '#DA680F'],
  ['Metallic Pink', '#EDA6C4'],
  ['Metallic Red', '#A62C2B'],
  ['Metallic Silver', '#A8A9AD'],
  ['Metallic Violet', '#5B0A91'],
  ['Metallic Yellow', '#FDCC0D'],
  ['Midnight Blue 2', '#003366'],
  ['Neon Brown', '#C3732A'],
  ['Neon Cyan', '#00FEFC'],
  ['Neon Dark Green', '#008443'],
  ['Neon Gold', '#CFAA01'],
  ['Neon Green 2', '#3CFF00'],
  ['Neon Scarlet', '#FF2603'],
  ['Neon Silver / Chines Silver', '#CCCCCC'],
  ['Neon Tangerine', '#F6890A'],
  ['Ogre Odor', '#FD5240'],
  ['Old Moss Green', '#867E36'],
  ['Orange Soda 2', '#E74E14'],
  ['Pale Cornflower Blue', '#ABCDEF'],
  ['Pale Magenta-Pink', '#FF99CC'],
  ['Philippine Gray', '#8C8C8C'],
  ['Philippine Silver', '#B3B3B3'],
  ['Philippine Sky Blue', '#0066FF'],
  ['Pink Raspberry', '#980036'],
  ['Red Cola', '#DF0118'],
  ['Red Rum', '#973A4A'],
  ['Red Strawberry', '#EC0304'],
  ['Rose Quartz Pink', '#BD559C'],
  ['Royal Green', '#136207'],
  ['Royal Orange', '#F99245'],
  ['Royal Pink', '#E7ACCF'],
  ['Silver Foil', '#AFB1AE'],
  ['Stop Red', '#CF142B'],
  ['Toolbox', '#746CC0'],
  ['UE Red', '#BA0001'],
  ['Utah Crimson', '#D3003F'],
  ['Vampire Black', '#080808'],
  ['Very Light Azure', '#74BBFB'],
  ['Very Light Malachite Green', '#64E986'],
  ['Very Light Tangelo', '#FFB077'],
  ['Very Pale Orange', '#FFDFBF'],
  ['Very Pale Yellow', '#FFFFBF'],
  ['Vivid Gamboge', '#FF9900'],
  ['Wageningen Green', '#34B233'],
  ['Asda Green (1985)', '#4A8B2C'], // the chain's earlier logo greens, darkest first
  ['Asda Green (1994)', '#5BA033'],
  ['Asda Green (1999)', '#68A93E'],
  ['Asda Green (2002)', '#78BE20'],
  ['Asda Orange', '#F28C28'],
  ['Asda Orange (1968)', '#E5762A'],
  ['Dark powder blue', '#003399'],
  ['Deep dumpling', '#8E6F4F'], // the brown of a steamed dumpling's crust
  ['Dolphin gray', '#828E84'],
  ['Douban Blue', '#3377AA'],
  ['Douban Green', '#007722'],
  ['Douban Light Yellow', '#FFF6E7'],
  ['Facebook Blue', '#1877F2'],
  ['Google Chrome blue', '#4285F4'],
  ['Google Chrome green', '#34A853'],
  ['Google Chrome red', '#EA4335'],
  ['Google Chrome yellow', '#FBBC05'],
  ['Green slime', '#65FF00'],
  ['Hawaii blue', '#75C5F0'],
  ['Huawei Red', '#CF0A2C'],
  ['Italian leather', '#9C5A3C'],
  ['Lime pulp', '#D9E5A5'],
  ['Linkedin Blue', '#0A66C2'],
  ['Microsoft blue', '#00A4EF'],
  ['Microsoft Edge blue', '#0078D7'],
  ['Microsoft green', '#7FBA00'],
  ['Microsoft red', '#F25022'],
  ['Microsoft yellow', '#FFB900'],
  ['Nintendo red', '#E60012'],
  ['Panasonic blue', '#0049AB'],
  ['Penguin White', '#F5F3EF'],
  ['Pomelo', '#E8DA6B'], // the fruit's yellow rind
  ['Pomelo Olive', '#A8A06C'],
  ['Pomelo White', '#F3F1E4'],
  ['Porcupine', '#B1A98F'],
  ['Rambutan Red', '#B93A32'],
  ['Samsung blue', '#1428A0'],
  ['Sprint Red', '#D30B2C'],
  ['Sprint Yellow', '#FFE100'],
  ['Strong boy pink', '#E7549A'],
  ['Taobao Orange', '#FF5000'],
  ['Twitter blue', '#1DA1F2'],
  ['Verizon Red', '#EE0000'],
  ['Verizon Red (2000-2015)', '#CD040B'],
  ['Vine Green', '#00BF8F'],
  ['Watermelon Yellow', '#EEFF00'],
  ['Weebly Blue', '#2990EA'],
  ['Weebly Orange', '#F79B2E'],
  ['Xbox Green', '#107C10'],
  ['Xiaomi Orange', '#FF6900'],
  ['Youtube red', '#FF0033'],
  ['Very Peri (Pantone 2022)', '#6667AB'],
  ['Brat Green', '#8ACE00'],
  ['Discord Blurple', '#5865F2'],
  ['Spotify Green', '#1DB954'],
  ['Slack Aubergine', '#4A154B'],
  ['TikTok Black', '#010101'],
  ['TikTok Cyan', '#25F4EE'],
  ['TikTok Pink', '#FE2C55'],
  ['Zoom Blue', '#2D8CFF'],
  ['Netflix Red', '#E50914'],
  ['Twitch Purple', '#9146FF'],
  ['Instagram Gradient Purple', '#833AB4'],
  ['Instagram Gradient Pink', '#C13584'],
  ['Instagram Gradient Orange', '#F77737'],
  ['WhatsApp Green', '#25D366'],
  ['Telegram Blue', '#229ED9'],
  ['Apple Space Gray', '#7D7E80'],
  ['Apple Pacific Blue', '#2E4E5E'],
  ['Apple Midnight Blue', '#232A31'],
  ['Apple Starlight', '#F0E4D3'],
  ['Apple Sierra Blue', '#9BB5CE'],
  ['Apple Alpine Green', '#505F4E'],
  ['Apple Deep Purple', '#594F63'],
  ['Fortnite Purple', '#9D4DBB'],
  ['Among Us Red', '#C51111'],
  ['Roblox Red', '#E2231A'],
  ['PlayStation Blue', '#003791'],
  ['Gunpowder Gray', '#5F5F5F'],
]);

// Names that occur twice with two colours: hand values for the occurrences
// the sources run out of, in row order.
const HAND_REPEATED = new Map([
  ['Royal Red', ['#9B1C31', '#D00060']],
  ['Lemon Lime', ['#BFFE28']],
]);

// Pairs of rows allowed to share one colour; any other clash is moved to the
// nearest free colour so that one colour selects one entry.
const SHARED = [
  ['AntiqueWhite', 'Antique white'],
  ['Khaki (Html/CSS) (Khaki)', 'Khaki / Light Khaki'],
  ['Terra Cotta', 'Terracotta'],
  ['Sea Foam Green', 'Seafoam Green'],
];

const CUBE_CORNERS = ['#000000', '#FFFFFF', '#FF0000', '#00FF00', '#0000FF', '#FFFF00', '#00FFFF', '#FF00FF'];

function readLines(file) {
  return fs.readFileSync(file, 'utf8').split('\n').filter((line) => line.length > 0);
}

function normalise(name) {
  return name.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase()
    .replace(/grey/g, 'gray').replace(/[^a-z0-9]/g, '');
}

// Keys to look a name up by, in two stages: the name itself and its synonyms
// first (in every source), then the same without qualifiers.
function lookupStages(name) {
  const synonyms = name.split(' / ');
  const unqualified = synonyms.map((s) => s.replace(/\s*\([^)]*\)/g, '').replace(/\[\d+\]/g, ''));
  const exact = [...new Set([name, ...synonyms].map(normalise))];
  const loose = [...new Set(unqualified.map(normalise))].filter((k) => k.length > 0 && !exact.includes(k));
  return [exact, loose];
}

function indexSource(label, entries) {
  const values = new Map();
  for (const { name, hex } of entries) {
    const key = normalise(name);
    if (!values.has(key)) values.set(key, []);
    values.get(key).push(hex.toUpperCase());
  }
  return { label, values };
}

function loadSources() {
  const lists = JSON.parse(fs.readFileSync(
    path.join(modulesDir, 'color-name-lists/dist/colorlists.json'), 'utf8')).lists;
  const bigList = JSON.parse(fs.readFileSync(
    path.join(modulesDir, 'color-name-list/dist/colornames.json'), 'utf8'));
  const others = ['html', 'x11', 'ntc', 'xkcd', 'osxcrayons', 'ridgway', 'ral'];
  return [
    indexSource('color-name-lists/wikipedia', lists.wikipedia),
    indexSource('color-name-list', bigList),
    ...others.map((name) => indexSource(`color-name-lists/${name}`, lists[name])),
  ];
}

// Every colour the sources give for name, best first, each colour once.
function candidates(name, sources) {
  const found = [];
  for (const keys of lookupStages(name)) {
    for (const { label, values } of sources) {
      for (const key of keys) {
        for (const hex of values.get(key) ?? []) {
          if (!found.some((c) => c.hex === hex)) found.push({ hex, source: label });
        }
      }
    }
  }
  return found;
}

function assignValues(names, sources) {
  const seen = new Map();
  return names.map((name) => {
    const occurrence = seen.get(name) ?? 0;
    seen.set(name, occurrence + 1);
    if (FIXED.has(name)) return { name, hex: FIXED.get(name), source: 'fixed' };
    if (HAND.has(name)) return { name, hex: HAND.get(name), source: 'hand' };
    const hand = (HAND_REPEATED.get(name) ?? []).map((hex) => ({ hex, source: 'hand' }));
    const found = [...candidates(name, sources), ...hand][occurrence];
    if (found) return { name, ...found };
    throw new Error(`no colour for "${name}": add it to HAND`);
  });
}

function hexToRgb(hex) {
  const n = parseInt(hex.slice(1), 16);
  return [(n >> 16) & 255, (n >> 8) & 255, n & 255];
}

function rgbToHex([r, g, b]) {
  return '#' + [r, g, b].map((c) => c.toString(16).toUpperCase().padStart(2, '0')).join('');
}

// The free colour nearest to hex, trying single-channel steps first.
function nearestFree(hex, used) {
  const rgb = hexToRgb(hex);
  for (let step = 1; step < 256; step++) {
    for (const channel of [2, 1, 0]) {
      for (const sign of [1, -1]) {
        const moved = [...rgb];
        moved[channel] += sign * step;
        if (moved[channel] < 0 || moved[channel] > 255) continue;
        const candidate = rgbToHex(moved);
        if (!used.has(candidate)) return candidate;
      }
    }
  }
  throw new Error(`no free colour near ${hex}`);
}

function separateClashes(rows, protectedHexes) {
  const sharedPartner = new Map();
  for (const [a, b] of SHARED) { sharedPartner.set(a, b); sharedPartner.set(b, a); }
  const owner = new Map();
  const used = new Set(rows.map((row) => row.hex));
  const moved = [];
  const order = [...rows.keys()].sort((a, b) => rank(rows[a]) - rank(rows[b]) || a - b);
  for (const index of order) {
    const row = rows[index];
    const holder = owner.get(row.hex);
    if (holder === undefined) { owner.set(row.hex, row); continue; }
    if (sharedPartner.get(row.name) === holder.name) continue;
    const hex = nearestFree(row.hex, used);
    moved.push(`${row.name}: ${row.hex} -> ${hex} (clashed with ${holder.name})`);
    used.add(hex);
    row.hex = hex;
    owner.set(hex, row);
  }
  return moved;

  // Fixed rows and the rows that carry a required colour keep their values.
  function rank(row) {
    if (row.source === 'fixed') return 0;
    if (protectedHexes.has(row.hex) && row.source === 'hand') return 1;
    return 2;
  }
}

function check(rows, html) {
  const problems = [];
  const hexes = new Set(rows.map((row) => row.hex));
  for (const corner of CUBE_CORNERS) if (!hexes.has(corner)) problems.push(`corner ${corner} missing`);
  for (const [name, hex] of html) if (!hexes.has(hex)) problems.push(`HTML ${name} ${hex} missing`);
  for (const [name, hex] of FIXED) {
    if (!rows.some((row) => row.name === name && row.hex === hex)) problems.push(`fixed ${name} lost`);
  }
  if (hexes.size !== rows.length - SHARED.length) {
    problems.push(`${hexes.size} distinct values, expected ${rows.length - SHARED.length}`);
  }
  if (problems.length > 0) throw new Error(problems.join('\n'));
}

function cppString(text) {
  return 'u"' + text.replace(/\\/g, '\\\\').replace(/"/g, '\\"') + '"';
}

function cppValue(hex) {
  const [r, g, b] = hexToRgb(hex);
  return '0x00' + [b, g, r].map((c) => c.toString(16).toUpperCase().padStart(2, '0')).join('');
}

function cppTable(type, rows) {
  const lines = rows.map(({ name, hex }) => `    {${cppString(name)}, ${cppValue(hex)}}, // ${hex}`);
  return `const ${type} = {{\n${lines.join('\n')}\n}};\n`;
}

const names = readLines(path.join(toolsDir, 'named-color-names.txt'));
const html = readLines(path.join(toolsDir, 'html-colors.txt')).map((line) => line.split('\t'));
const rows = assignValues(names, loadSources());
const moved = separateClashes(rows, new Set([...CUBE_CORNERS, ...html.map(([, hex]) => hex)]));
check(rows, html);

fs.writeFileSync(outputFile, `// Generated by tools/generate-named-colors.mjs; change the script, not this file.
// Values are TColor ($00BBGGRR); the comment gives the colour as #RRGGBB.
#include "named_colors.h"

namespace pigmentrix {

${cppTable('std::array<RColor, NamedColorCount> NamedColors', rows)}
${cppTable('std::array<RColor, HTMLColorCount> HTMLColors', html.map(([name, hex]) => ({ name, hex })))}
} // namespace pigmentrix
`);

const counts = new Map();
for (const row of rows) counts.set(row.source, (counts.get(row.source) ?? 0) + 1);
console.log(`${rows.length} general names, ${html.length} HTML names written to ${path.relative(repoDir, outputFile)}`);
for (const [source, count] of [...counts].sort((a, b) => b[1] - a[1])) console.log(`  ${String(count).padStart(5)}  ${source}`);
console.log(`${moved.length} clashing values moved to the nearest free colour:`);
for (const line of moved) console.log(`  ${line}`);
