// The world pass: ground, buildings, soldiers, machines and markers in the window of tiles around
// the view centre.
#pragma once

void Draw_points();
