#pragma once
// The families of generated data; each writes its files below the data folder.

namespace assetgen {

class Output;

void writeFigureModels(Output& out);   // figures.cpp
void writeStaticModels(Output& out);   // staticmodels.cpp
void writeStadium(Output& out);        // stadium.cpp
void writeKitTextures(Output& out);    // kittextures.cpp
void writeSceneTextures(Output& out);  // scenetextures.cpp
void writeStadiumTextures(Output& out);  // stadiumtextures.cpp
void writeHud(Output& out);            // hud.cpp
void writeFlags(Output& out);          // flags.cpp
void writeSounds(Output& out);         // sounds.cpp
void writeSkins(Output& out);          // skins.cpp (also the lobby's list images)

}  // namespace assetgen
