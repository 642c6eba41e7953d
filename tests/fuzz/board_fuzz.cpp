// Fuzz target: any bytes as a board file, then a few moves and ticks on
// whatever was read. Built with clang's libFuzzer by tools/fuzz.sh.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "board/board_file.h"
#include "game/engine/game_rules.h"

using namespace vortan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    {
        std::istringstream in(bytes);
        BoardDefinition board;
        ReadBoard(in, board);
        EncodeBoard(board);
    }
    CZembrikDoc doc;
    NullEffects fx;
    GameRules rules(doc, fx);
    std::istringstream in(bytes);
    doc.loadBoardStream(in);
    // The last bytes choose the moves: arrows, other keys, ticks and clicks.
    const std::size_t n = size < 24 ? size : 24;
    for (RunKind kind : {RunKind::Played, RunKind::Demo, RunKind::Recording}) {
        doc.startRun(kind);
        for (std::size_t i = size - n; i < size; ++i) {
            const std::uint8_t b = data[i];
            switch (b & 3) {
            case 0: rules.OnKeyDown(37 + (b >> 2) % 5); break;
            case 1: rules.OnTimer(); break;
            case 2: rules.moveByClick(250 + (b >> 2) * 9, (b >> 2) * 9); break;
            case 3: doc.SetDemoMove(b >> 2, b >> 5); break;
            }
        }
    }
    return 0;
}
