// The no-repetition rule of the smart search as one constraint per word
// length: the slots of that length never spell the same word. One
// propagator for the whole group rather than one per pair keeps the failure
// counts that steer the branching on the letters that fail, not on the cells
// of short slots that simply take part in many pairs.
#pragma once

#include <gecode/int.hh>

namespace velzora {

// `x` holds the slots of one length `uzunluk` one after another; a cell in
// two of them appears twice.
void farkli_kelimeler(Gecode::Home home, const Gecode::IntVarArgs& x, int uzunluk);

}  // namespace velzora
