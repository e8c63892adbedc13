// The runner driven through a pipe (--input -): events and commands interleaved, one answer per
// command, bad lines answered and survived; what it records replays to the same state.
#include <gtest/gtest.h>

#include <filesystem>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "apoio.h"

namespace {

// The game with its standard input and output on pipes.
struct Processo {
    pid_t pid = -1;
    FILE* para = nullptr;  // its standard input
    FILE* de = nullptr;    // its standard output
    Processo(const std::string& pasta, const std::string& argumentos) {
        int entrada[2], saida[2];
        if (pipe(entrada) != 0 || pipe(saida) != 0) return;
        pid = fork();
        if (pid == 0) {
            dup2(entrada[0], 0);
            dup2(saida[1], 1);
            close(entrada[1]);
            close(saida[0]);
            std::string cmd = "cd '" + pasta + "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy exec '" VORLANDO_BIN "' " + argumentos;
            execl("/bin/sh", "sh", "-c", cmd.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(entrada[0]);
        close(saida[1]);
        para = fdopen(entrada[1], "w");
        de = fdopen(saida[0], "r");
    }
    // Sends one line and reads the answer (nothing for an event line that is right).
    std::string pede(const std::string& linha, bool resposta = true) {
        std::fputs((linha + "\n").c_str(), para);
        std::fflush(para);
        if (!resposta) return "";
        char buf[4096];
        if (!std::fgets(buf, sizeof buf, de)) return "<fim>";
        std::string r = buf;
        if (!r.empty() && r.back() == '\n') r.pop_back();
        return r;
    }
    int termina() {
        if (para) std::fclose(para);
        para = nullptr;
        int st = 0;
        if (pid > 0) waitpid(pid, &st, 0);
        if (de) std::fclose(de);
        de = nullptr;
        pid = -1;
        return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    ~Processo() {
        if (pid > 0) kill(pid, SIGKILL);
        termina();
    }
};

}  // namespace

TEST(Interativo, StepsDumpsShotsAndErrorsThroughAPipe) {
    ASSERT_TRUE(temconteudo()) << "the build generates every asset folder before the tests";
    PastaTemporaria pasta("interativo");
    auto em = [&](const std::string& a) { return pasta.caminho.string() + "/" + a; };
    Processo p(VORLANDO_GAME_DIR, "--headless --input - --seed 7 --mission 1 --record " + em("g.txt"));
    ASSERT_GT(p.pid, 0);
    p.pede("1 move 123 456", false);
    EXPECT_EQ(p.pede("step 3"), "ok 3");
    EXPECT_EQ(p.pede("dump " + em("a.json")), "ok");
    EXPECT_EQ(campojson(leituracompleta(em("a.json")), "mousex"), 123);
    EXPECT_EQ(campojson(leituracompleta(em("a.json")), "tick"), 3);
    // mistakes are answered and the run goes on
    EXPECT_EQ(p.pede("jump 3"), "erro comando desconhecido: jump");
    EXPECT_EQ(p.pede("4 jump 1 2"), "erro evento inválido: 4 jump 1 2");
    EXPECT_EQ(p.pede("step muitos"), "erro step espera um número de tiques: muitos");
    EXPECT_EQ(p.pede("shot 2=" + em("velha.png")), "erro o tique 2 já passou");
    EXPECT_EQ(p.pede("dump /nao/existe/a.json"), "erro não foi possível gravar /nao/existe/a.json");
    // off the screen, past the longest run, a mistyped picture: refused, and nothing is written
    EXPECT_EQ(p.pede("5 move 0 -2147483648"), "erro evento inválido: 5 move 0 -2147483648");
    EXPECT_EQ(p.pede("2147483647 press 65"), "erro evento inválido: 2147483647 press 65");
    EXPECT_EQ(p.pede("shot ="), "erro shot espera ARQUIVO ou TIQUE=ARQUIVO: =");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(VORLANDO_GAME_DIR) / "="));
    // a picture after tick 6, one now; an event stamped with a tick already run comes before the next
    EXPECT_EQ(p.pede("shot 6=" + em("seis.png")), "ok");
    EXPECT_EQ(p.pede("step 3"), "ok 6");
    EXPECT_EQ(p.pede("shot " + em("agora.png")), "ok");
    EXPECT_EQ(leituracompleta(em("seis.png")), leituracompleta(em("agora.png")));
    p.pede("2 press 189", false);   // slower
    p.pede("9 press 187", false);   // faster, but only before tick 9
    EXPECT_EQ(p.pede("step 1"), "ok 7");
    EXPECT_EQ(p.pede("dump " + em("b.json")), "ok");
    EXPECT_EQ(campojson(leituracompleta(em("b.json")), "velocidadejogo"), 21);
    EXPECT_EQ(p.pede("step 2"), "ok 9");
    EXPECT_EQ(p.pede("dump " + em("c.json")), "ok");
    EXPECT_EQ(campojson(leituracompleta(em("c.json")), "velocidadejogo"), 20);
    p.pede("quit", false);
    EXPECT_EQ(p.termina(), 0);
    // the recording holds the events at the ticks they reached the game, and replays to the same state
    std::string g = leituracompleta(em("g.txt"));
    EXPECT_NE(g.find("\n7 press 189\n"), std::string::npos) << g;
    EXPECT_NE(g.find("\n9 press 187\n"), std::string::npos) << g;
    EXPECT_NE(g.find("# fim 9\n"), std::string::npos) << g;
    std::string saida;
    ASSERT_EQ(rodajogo(VORLANDO_GAME_DIR, "--headless --replay " + em("g.txt") + " --state 7=" + em("r7.json") +
                                              " --state 9=" + em("r9.json"), &saida), 0) << saida;
    EXPECT_EQ(leituracompleta(em("r7.json")), leituracompleta(em("b.json")));
    EXPECT_EQ(leituracompleta(em("r9.json")), leituracompleta(em("c.json")));
}
