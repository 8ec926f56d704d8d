// Prints the Khronos glTF validator's verdict on one .glb as JSON: its error and warning
// counts and the first messages. Run with NODE_PATH pointing at the validator's modules.
const validator = require('gltf-validator');
const fs = require('fs');

const bytes = new Uint8Array(fs.readFileSync(process.argv[2]));
validator.validateBytes(bytes).then(
    (report) => {
        console.log(JSON.stringify({
            errors: report.issues.numErrors,
            warnings: report.issues.numWarnings,
            messages: report.issues.messages.filter((m) => m.severity === 0).slice(0, 5),
        }));
    },
    (error) => {
        console.log(JSON.stringify({failed: String(error)}));
        process.exit(2);
    });
