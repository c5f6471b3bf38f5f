// Start-up of the presentation: the check lines, camera, mesh upload, mouse, menus, bindings.
#pragma once

extern int last_base_list;

void INIT_function();
void Kontrolne_vypocty();
// Uploads every loaded mesh into two GPU buffers and hands out its draw handle.
void Create_Call_graficky_objekt();
// Deletes the GPU buffers of every uploaded mesh (at shutdown, while the context exists).
void Zmaz_graficke_objekty();
