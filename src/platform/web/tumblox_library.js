// The C++ side's calls into the page (page_calls.h); the page itself is page.js.
mergeInto(LibraryManager.library, {
  tumblox_nap__deps: ['$Asyncify'],
  tumblox_nap: function () {
    Asyncify.handleSleep(function (wakeUp) { Module.page.nap(wakeUp); });
  },
  tumblox_message_box__deps: ['$Asyncify'],
  tumblox_message_box: function (caption, text, stopIcon) {
    var captionText = UTF8ToString(caption);
    var bodyText = UTF8ToString(text);
    Asyncify.handleSleep(function (wakeUp) {
      Module.page.messageBox(captionText, bodyText, stopIcon !== 0, wakeUp);
    });
  },
  tumblox_game_ended: function (exitCode) { Module.page.gameEnded(exitCode); },
  tumblox_audio_open: function (voices) { Module.page.audio.open(voices); },
  tumblox_audio_close: function () { Module.page.audio.close(); },
  tumblox_audio_decode: function (bytes, length) {
    return Module.page.audio.decode(HEAPU8.slice(bytes, bytes + length));
  },
  tumblox_audio_free: function (sound) { Module.page.audio.free(sound); },
  tumblox_audio_play: function (sound) { return Module.page.audio.play(sound); },
  tumblox_audio_loop: function (sound) { return Module.page.audio.loop(sound); },
});
