// Shared helpers of the tests: a temporary working folder and running the game binary headless.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

// Makes a fresh empty folder, enters it, and goes back to the previous folder at the end of the scope.
struct PastaTemporaria {
    std::filesystem::path antes, caminho;
    explicit PastaTemporaria(const std::string& nome);
    ~PastaTemporaria();
    void escreve(const std::string& arquivo, const std::string& conteudo) const;
};

// Runs build/vorlandocraft with the arguments in folder `pasta`; returns its exit code.
int rodajogo(const std::string& pasta, const std::string& argumentos, std::string* saida = nullptr);
// The whole content of a file ("" when missing).
std::string leituracompleta(const std::string& caminho);
// Whether the build's working folder holds every generated asset folder.
bool temconteudo();
// A number field of the flat JSON state dump; -999999 when missing.
long long campojson(const std::string& json, const std::string& nome);
std::string textojson(const std::string& json, const std::string& nome);
