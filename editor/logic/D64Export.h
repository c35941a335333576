#pragma once

struct App;

// File > Project > Export To D64: the project's four documents, as their savers
// would write them, onto a new disk image behind the directory art. Changes no
// document and no file but the image.
void mnuD64Extract_Click(App& a);
