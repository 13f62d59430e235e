// The processor's vector registers between library code that uses their full width (Qt's painting)
// and code that uses only their lower half (the calculations, built for the baseline processor).
#pragma once

// Marks the upper halves of the vector registers unused where the processor has them. Left in use,
// they make every following scalar floating-point instruction wait on them: a calculation run right
// after a repaint took nearly three times as long. A no-op on processors without them.
void clear_upper_vector_state();
