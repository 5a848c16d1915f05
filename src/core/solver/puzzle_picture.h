// Moving a picture between the solver's form and a puzzle record's solution grid.
#pragma once

#include "model/puzzle_record.h"
#include "solver/nonogram.h"

// The record's solution over its Width x Height, which the caller has checked to be 1..128.
Picture PictureOfRecord(const PuzzleRecord& record);

// Sets Width, Height and the solution grid from the picture; cells past it become empty.
void PutPicture(const Picture& picture, PuzzleRecord& record);
