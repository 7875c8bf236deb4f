'use strict';
// The page around the game: the canvas and its scale, the player's input, Web Audio, message
// boxes and the end of the game. Loaded before tumblox.js, which it configures as Module.
(function () {
  const kWidth = 640;
  const kHeight = 480;
  const VK = { lbutton: 0x01, rbutton: 0x02, escape: 0x1B, pgup: 0x21, pgdn: 0x22 };
  const kKeys = { Escape: VK.escape, PageUp: VK.pgup, PageDown: VK.pgdn };
  const kHoldMs = 300;      // a touch held this long pushes down
  const kTapTravel = 8;     // a touch that moves further than this (CSS px) is a drag

  const query = new URLSearchParams(location.search);
  const scriptName = query.get('script');
  const canvas = document.getElementById('screen');
  const context = canvas.getContext('2d', { alpha: false });
  const picture = context.createImageData(kWidth, kHeight);
  const hint = document.getElementById('hint');
  const result = { done: false, exitCode: null, trace: '', firstFrameMs: null, drawMs: [] };
  window.tumblox = result;
  const traceLines = [];

  let scale = 1;
  let locked = false;       // as of the last pointer-lock change
  let lockRefused = !canvas.requestPointerLock;
  let started = false;     // the first click has come
  let ended = false;
  let dialogOpen = false;

  function call(name, ...args) {
    if (!ended && Module.calledRun) Module['_' + name](...args);
  }

  // Pointer-lock changes are told late: ask the document itself.
  function isLocked() {
    return document.pointerLockElement === canvas;
  }

  function showHint(text) {
    hint.textContent = text;
    hint.hidden = text === '';
  }

  // The largest size that fits the page, aspect kept; the pixels stay crisp.
  function fit() {
    scale = Math.min(innerWidth / kWidth, innerHeight / kHeight);
    canvas.style.width = kWidth * scale + 'px';
    canvas.style.height = kHeight * scale + 'px';
  }
  addEventListener('resize', fit);
  fit();

  // Newest frame wins: the game may present several between two of the browser's frames.
  function drawFrame() {
    if (Module.calledRun && !ended) {
      const began = performance.now();
      const pixels = Module._tumblox_take_frame();
      if (pixels !== 0) {
        picture.data.set(Module.HEAPU8.subarray(pixels, pixels + kWidth * kHeight * 4));
        context.putImageData(picture, 0, 0);
        const done = performance.now();
        if (result.firstFrameMs === null) result.firstFrameMs = done;
        if (result.drawMs.length < 1000) result.drawMs.push(done - began);
      }
    }
    requestAnimationFrame(drawFrame);
  }
  requestAnimationFrame(drawFrame);

  // Motion in game pixels: one sweep across the picture is 640 at any size. Fractions carry.
  const carried = { x: 0, y: 0 };
  function move(dx, dy) {
    carried.x += dx / scale;
    carried.y += dy / scale;
    const x = Math.trunc(carried.x);
    const y = Math.trunc(carried.y);
    carried.x -= x;
    carried.y -= y;
    if (x !== 0 || y !== 0) call('tumblox_motion', x, y);
  }

  const audio = {
    context: null,
    sounds: [],
    voices: [],
    tune: null,
    tuneWanted: -1,
    open(voices) {
      const AudioContextClass = window.AudioContext || window.webkitAudioContext;
      if (!AudioContextClass) {
        console.log('Tumblox: no Web Audio in this browser, so the game plays in silence.');
        return;
      }
      this.context = new AudioContextClass();
      this.voices = new Array(voices).fill(null);
    },
    close() {
      if (this.context) this.context.close();
      this.context = null;
    },
    decode(bytes) {
      const sound = this.sounds.length;
      this.sounds.push(null);
      if (!this.context) return sound;
      this.context.decodeAudioData(bytes.buffer).then((buffer) => {
        this.sounds[sound] = buffer;
        if (this.tuneWanted === sound) this.loop(sound);
      }, () => console.log('Tumblox: a sound could not be decoded; it stays silent.'));
      return sound;
    },
    free(sound) {
      this.sounds[sound] = null;
    },
    start(sound, looped) {
      const source = this.context.createBufferSource();
      source.buffer = this.sounds[sound];
      source.loop = looped;
      source.connect(this.context.destination);
      source.start();
      return { source, startedAt: this.context.currentTime, ended: false };
    },
    // A free voice, or else the oldest gives way.
    play(sound) {
      if (!this.context || !this.sounds[sound]) return 0;
      let chosen = this.voices.findIndex((voice) => voice === null || voice.ended);
      if (chosen < 0) {
        chosen = 0;
        this.voices.forEach((voice, i) => { if (voice.startedAt < this.voices[chosen].startedAt) chosen = i; });
        this.voices[chosen].source.stop();
      }
      const voice = this.start(sound, false);
      voice.source.onended = () => { voice.ended = true; };
      this.voices[chosen] = voice;
      return chosen;
    },
    // The tune loops on a voice of its own, as soon as it is decoded.
    loop(sound) {
      if (!this.context) return 0;
      if (this.tune) this.tune.source.stop();
      this.tune = null;
      this.tuneWanted = sound;
      if (this.sounds[sound]) this.tune = this.start(sound, true);
      return this.voices.length;
    },
  };

  function startPlaying() {
    if (audio.context) audio.context.resume();
    started = true;
    showHint('');
    if (!lockRefused) canvas.requestPointerLock();
  }

  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  canvas.addEventListener('mousedown', (e) => {
    e.preventDefault();
    if (ended || dialogOpen) return;
    if (!isLocked() && (!started || !lockRefused)) {
      startPlaying();
      return;
    }
    if (e.button === 0) call('tumblox_key', VK.lbutton, 1);
    if (e.button === 2) call('tumblox_key', VK.rbutton, 1);
  });
  document.addEventListener('mouseup', (e) => {
    if (e.button === 0) call('tumblox_key', VK.lbutton, 0);
    if (e.button === 2) call('tumblox_key', VK.rbutton, 0);
  });
  let lastMouse = null;
  document.addEventListener('mousemove', (e) => {
    if (isLocked()) {
      move(e.movementX, e.movementY);
    } else if (started && lockRefused && lastMouse) {
      move(e.clientX - lastMouse.x, e.clientY - lastMouse.y);
    }
    lastMouse = { x: e.clientX, y: e.clientY };
  });
  document.addEventListener('pointerlockchange', () => {
    const wasLocked = locked;
    locked = isLocked();
    if (wasLocked && !locked && !ended && !dialogOpen) showHint('Escape again to quit, click to go on');
  });
  document.addEventListener('pointerlockerror', () => { lockRefused = true; });

  // Browsers keep the first Escape for themselves to end the pointer lock; one that reaches
  // the page is the game's.
  addEventListener('keydown', (e) => {
    const key = kKeys[e.key];
    if (key === undefined || dialogOpen) return;
    e.preventDefault();
    if (!e.repeat) call('tumblox_key', key, 1);
  });
  addEventListener('keyup', (e) => {
    const key = kKeys[e.key];
    if (key !== undefined) call('tumblox_key', key, 0);
  });

  // Touch: a drag steers by its motion, a tap turns, a press held a while pushes down.
  let touch = null;
  canvas.addEventListener('pointerdown', (e) => {
    if (e.pointerType === 'mouse' || ended || dialogOpen) return;
    e.preventDefault();
    if (!started) startPlaying();
    lockRefused = true;
    touch = { id: e.pointerId, x: e.clientX, y: e.clientY, travel: 0, held: false };
    touch.timer = setTimeout(() => {
      touch.held = true;
      call('tumblox_key', VK.lbutton, 1);
    }, kHoldMs);
  });
  canvas.addEventListener('pointermove', (e) => {
    if (!touch || e.pointerId !== touch.id) return;
    const dx = e.clientX - touch.x;
    const dy = e.clientY - touch.y;
    touch.x = e.clientX;
    touch.y = e.clientY;
    touch.travel += Math.abs(dx) + Math.abs(dy);
    if (touch.travel > kTapTravel && !touch.held) clearTimeout(touch.timer);
    move(dx, dy);
  });
  const touchEnds = (e) => {
    if (!touch || e.pointerId !== touch.id) return;
    clearTimeout(touch.timer);
    if (touch.held) {
      call('tumblox_key', VK.lbutton, 0);
    } else if (touch.travel <= kTapTravel && e.type === 'pointerup') {
      call('tumblox_key', VK.rbutton, 1);
      call('tumblox_key', VK.rbutton, 0);
    }
    touch = null;
  };
  canvas.addEventListener('pointerup', touchEnds);
  canvas.addEventListener('pointercancel', touchEnds);

  // Nothing stays held while the player is elsewhere.
  document.addEventListener('visibilitychange', () => { if (document.hidden) call('tumblox_release_all'); });
  addEventListener('blur', () => call('tumblox_release_all'));

  document.getElementById('fullscreen').addEventListener('click', () => {
    const stage = document.getElementById('stage');
    if (stage.requestFullscreen) stage.requestFullscreen();
  });

  // A message box: the game waits until it is dismissed.
  const box = document.getElementById('box');
  function messageBox(caption, text, stopIcon, dismissed) {
    dialogOpen = true;
    if (document.pointerLockElement) document.exitPointerLock();
    document.getElementById('box-caption').textContent = caption;
    document.getElementById('box-text').textContent = text;
    document.getElementById('box-icon').hidden = !stopIcon;
    box.addEventListener('close', () => {
      dialogOpen = false;
      dismissed();
    }, { once: true });
    box.showModal();
  }

  function gameEnded(exitCode) {
    result.trace = traceLines.map((line) => line + '\n').join('');
    result.exitCode = exitCode;
    result.done = true;
    ended = true;
    if (document.pointerLockElement) document.exitPointerLock();
    audio.close();
    showHint('');
    document.getElementById('end-text').textContent =
      exitCode === 0 ? 'The game has ended.' : 'The game has ended (exit code ' + exitCode + ').';
    document.getElementById('end').hidden = false;
  }
  document.getElementById('again').addEventListener('click', () => location.reload());

  // The browser's turn inside the game's busy-waits. The game counts whole milliseconds, so a
  // wait ends just after some millisecond begins: early in a millisecond the game sleeps one
  // (a timer), late in one it only lets the browser have a turn, so that it reads the clock
  // soon after the next millisecond begins and its tick is not a millisecond longer. The game
  // goes on from a message event, so the browser's timers are never nested and slowed down.
  const kLateInMillisecond = 0.3;
  const channel = new MessageChannel();
  let waiting = null;
  channel.port1.onmessage = () => {
    const wakeUp = waiting;
    waiting = null;
    wakeUp();
  };
  function nap(wakeUp) {
    waiting = wakeUp;
    if (performance.now() % 1 < kLateInMillisecond) {
      setTimeout(() => channel.port2.postMessage(0), 1);
    } else {
      channel.port2.postMessage(0);
    }
  }

  function fetchScript() {
    if (!/^[A-Za-z0-9_][A-Za-z0-9_.-]*$/.test(scriptName)) throw new Error('bad script name ' + scriptName);
    Module.addRunDependency('script');
    fetch(scriptName).then((response) => {
      if (!response.ok) throw new Error(scriptName + ': ' + response.status);
      return response.arrayBuffer();
    }).then((bytes) => {
      Module.FS.writeFile('/' + scriptName, new Uint8Array(bytes));
      Module.removeRunDependency('script');
    }).catch((error) => {
      console.error('Tumblox:', error.message);
      gameEnded(2);
    });
  }

  const scripted = scriptName !== null;
  window.Module = {
    arguments: scripted
      ? ['--trace', '--time', query.get('time') || '0', '--layout', query.get('layout') || '565', scriptName]
      : [],
    print: (line) => (scripted ? traceLines.push(line) : console.log(line)),
    printErr: (line) => console.error(line),
    preRun: scripted ? [fetchScript] : [],
    page: { nap, messageBox, gameEnded, audio },
  };
  showHint(scripted ? '' : 'Click to play');
})();
