#pragma once

class PictureTest;

// What a candidate who knows every key clicks, for the tests and the benchmark that answer like
// one; the program itself never needs it.

// The index of the answer button that carries the right answer to the question on screen, or -1.
int rightButtonOf(const PictureTest &test);
