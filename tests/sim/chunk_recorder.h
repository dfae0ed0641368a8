#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The host's chunk commands for saving and loading scripts. Saving records what is
// written; loading plays back a sequence of chunks set beforehand, reading each
// micro-chunk from its start onwards as a file would. Every command call is listed in
// order, and misuse (a foreign saver or loader, data outside a chunk, reading past the
// end of a micro-chunk, closing what is not open) is listed as a fault.
namespace sim {

struct MicroChunk {
  uint32_t id;
  std::vector<uint8_t> bytes;
};

struct Chunk {
  uint32_t id;
  std::vector<MicroChunk> micro_chunks;
};

class ChunkRecorder {
 public:
  static ChunkRecorder& Instance();

  // Forgets what was saved, played back, called and faulted.
  void Reset();
  // The saver and loader objects the host hands to a script's Save_State and Load_State.
  void* Saver() { return &saver_; }
  void* Loader() { return &loader_; }

  const std::vector<Chunk>& Saved() const { return saved_; }
  // What the next loads read, chunk after chunk.
  void Play_Back(std::vector<Chunk> chunks);

  const std::vector<std::string>& Calls() const { return calls_; }
  const std::vector<std::string>& Faults() const { return faults_; }

  // The commands, as the table entries call them.
  void Save_Begin_Chunk(void* saver, uint32_t id);
  void Save_Data(void* saver, uint32_t id, uint32_t size, const void* data);
  void Save_End_Chunk(void* saver);
  bool Load_Open_Chunk(void* loader, uint32_t* id);
  bool Load_Open_Micro_Chunk(void* loader, uint32_t* id);
  void Load_Data(void* loader, uint32_t size, void* data);
  void Load_Close_Micro_Chunk(void* loader);
  void Load_Close_Chunk(void* loader);

 private:
  ChunkRecorder() = default;
  bool Check_Saver(void* saver, const char* command);
  bool Check_Loader(void* loader, const char* command);
  void Call(std::string text) { calls_.push_back(std::move(text)); }
  void Fault(std::string text) { faults_.push_back(std::move(text)); }

  char saver_ = 0, loader_ = 0;
  std::vector<Chunk> saved_;
  bool saving_ = false;

  std::vector<Chunk> playback_;
  size_t next_chunk_ = 0;
  bool chunk_open_ = false;
  size_t next_micro_ = 0;
  bool micro_open_ = false;
  size_t read_offset_ = 0;

  std::vector<std::string> calls_;
  std::vector<std::string> faults_;
};

// Command table words of the chunk commands.
namespace chunk_word {
constexpr uint32_t Save_Data = 80, Load_Open_Micro_Chunk = 82, Load_Data = 83, Load_Close_Micro_Chunk = 85,
                   Save_Begin_Chunk = 86, Save_End_Chunk = 87, Load_Open_Chunk = 88, Load_Close_Chunk = 89;
}

struct CommandTableRecord;
// Puts the chunk commands of ChunkRecorder::Instance() into a command table.
void Install_Chunk_Commands(CommandTableRecord& table);

}  // namespace sim
